#!/usr/bin/env bash
# Makes the sheet font of the browser edition from Debian's IPA P Gothic (fonts-ipafont-gothic),
# the font the desktop program draws the sheet with:
#   OUT_DIR/korvane-sheet-gothic.ttf     embedded (as a subset) into the PDF files the page writes
#   OUT_DIR/korvane-sheet-gothic.woff2   the page's own text
#   OUT_DIR/korvane-sheet-gothic-LICENSE.txt  what the font is made from, and its licence
# Only the characters a code page 932 text can hold are kept (every text the program keeps is
# code page 932), without hinting. The same source font gives the same bytes on every run.
# Usage: build-font.sh OUT_DIR [SOURCE.ttf]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
out=${1:?usage: build-font.sh OUT_DIR [SOURCE.ttf]}
source_font=${2:-/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf}
copyright=/usr/share/doc/fonts-ipafont-gothic/copyright
python=/usr/bin/python3 # Debian's, which has fontTools (python3-fonttools, python3-brotli)

for f in "$source_font" "$copyright"; do
  [ -r "$f" ] || { echo "build-font.sh: $f missing (Debian package fonts-ipafont-gothic)" >&2; exit 1; }
done
mkdir -p "$out"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

bash "$here/cp932_characters.sh" >"$tmp/characters.txt"
"$python" "$here/make_sheet_font.py" "$source_font" "$tmp/characters.txt" "$tmp"

{
  cat "$here/font-notice.txt"
  echo
  # The licence paragraph of the Debian copyright file (the one that starts with its
  # name), without its indentation.
  awk -v RS= '/^License: IPA-1\n/' "$copyright" | sed -e '1d' -e 's/^ //' -e 's/^\.$//'
} >"$tmp/korvane-sheet-gothic-LICENSE.txt"

for f in korvane-sheet-gothic.ttf korvane-sheet-gothic.woff2 korvane-sheet-gothic-LICENSE.txt; do
  mv "$tmp/$f" "$out/$f"
done
