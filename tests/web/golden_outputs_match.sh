#!/usr/bin/env bash
# The browser build's case outputs against korvane-calc's stored ones (tests/golden): for
# every saved case and both targets, the JSON line and the drawing steps must be the same
# bytes, so that the browser places every text of the sheet where the desktop does.
# Usage: golden_outputs_match.sh CASE_OUTPUTS.js GOLDEN_FOLDER
set -euo pipefail
program=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
golden=$(cd "$2" && pwd)
date="2026/12/10" # the stored outputs' footer date
actual=$(mktemp -d "${TMPDIR:-/tmp}/korvane-web-golden.XXXXXX")
trap 'rm -rf "$actual"' EXIT
run() { node --no-experimental-fetch "$program" "$@"; }

cd "$golden/cases" # the JSON names the file as given: by its name alone
# Names the first lines that differ and fails.
same() {
  cmp -s "$1" "$2" && return 0
  echo "The browser build's output differs from $1:" >&2
  diff -u "$1" "$2" | head -20 >&2 || true
  return 1
}
compared=0
for file in *.fdt; do
  name=$(basename "$file" .fdt)
  for target in screen printer; do
    status=0
    run --json "$target" "$date" "$file" >"$actual/$name.$target.json" || status=$?
    same "$golden/expected/$name.$target.json" "$actual/$name.$target.json"
    compared=$((compared + 1))
    [ "$status" -eq 2 ] && continue 2 # refused: no sheet
    [ "$status" -eq 0 ] || { echo "case_outputs failed ($status) on $file" >&2; exit 1; }
    run --draw-log "$target" "$date" "$file" >"$actual/$name.$target.drawlog"
    same "$golden/expected/$name.$target.drawlog" "$actual/$name.$target.drawlog"
    compared=$((compared + 1))
  done
done
echo "$compared outputs identical"
