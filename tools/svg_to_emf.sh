#!/usr/bin/env bash
# Converts the help pictures from their SVG sources (assets/pictures/*.svg, drawn by
# draw_help_pictures.py) into the enhanced metafiles that the program loads
# (assets/load_data/*.emf). A developer tool: needs Inkscape 1.x (Debian package
# "inkscape"); the build does not run it.
#
# Texts are turned into outlines, so that the pictures do not depend on the fonts of the
# machine that shows them.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
src="$root/assets/pictures"
dst="$root/assets/load_data"

command -v inkscape >/dev/null || { echo "inkscape is not installed" >&2; exit 1; }
mkdir -p "$dst"
shopt -s nullglob
svgs=("$src"/*.svg)
[ ${#svgs[@]} -gt 0 ] || { echo "no SVG files in $src" >&2; exit 1; }

for svg in "${svgs[@]}"; do
  name="$(basename "$svg" .svg)"
  inkscape "$svg" --export-type=emf --export-text-to-path \
    --export-filename="$dst/$name.emf" 2>/dev/null
  echo "$name.emf"
done
