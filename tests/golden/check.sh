#!/usr/bin/env bash
# Compares korvane-calc's sheet outputs for the cases in cases/ with the stored ones in
# expected/: sheet items, draw logs of both variants and the printed page's text must match
# byte for byte. Usage: check.sh KORVANE_CALC
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/outputs.sh"

actual="$(mktemp -d)"
trap 'rm -rf "$actual"' EXIT
write_golden_outputs "$1" "$actual"
if ! diff -r -u "$here/expected" "$actual"; then
  echo "The sheet outputs above differ from tests/golden/expected." >&2
  echo "If the sheet was meant to change, see tests/golden/regenerate.sh." >&2
  exit 1
fi
