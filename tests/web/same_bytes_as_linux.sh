#!/usr/bin/env bash
# The browser build converts code page 932 from its own tables: it must write the bytes
# the Linux build writes. Runs write_platform_outputs of both builds (every saved case read
# and saved again, a title with characters code page 932 writes specially or not at all,
# every character and every byte pair) and compares the folders file for file.
# Usage: same_bytes_as_linux.sh LINUX_PROGRAM WASM_PROGRAM.js CASES_FOLDER
set -euo pipefail
linux_program=$1
wasm_program=$2
cases=$3
outputs=$(mktemp -d "${TMPDIR:-/tmp}/korvane-web-outputs.XXXXXX")
trap 'rm -rf "$outputs"' EXIT

"$linux_program" "$outputs/linux" "$cases"
node --no-experimental-fetch "$wasm_program" "$outputs/web" "$cases"
diff -r "$outputs/linux" "$outputs/web" >/dev/null || {
  echo "The browser build writes other bytes than the Linux build:" >&2
  diff -r "$outputs/linux" "$outputs/web" | head -20 >&2
  exit 1
}
for saved in "$cases"/*.fdt; do
  cmp "$saved" "$outputs/web/$(basename "$saved")"
done
echo "$(find "$outputs/web" -type f | wc -l) files identical"
