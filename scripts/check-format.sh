#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted as the repository's .clang-format says.
# Prints the files that differ and fails when there is one; changes nothing.
# Usage: scripts/check-format.sh [CLANG_FORMAT]   (default clang-format)
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${1:-clang-format}
command -v "$clang_format" >/dev/null || { echo "$clang_format is not installed" >&2; exit 2; }
mapfile -t files < <(git ls-files '*.cpp' '*.h')
# One run over all files; each difference is reported as "FILE:LINE:COLUMN: error: ...".
mapfile -t unformatted < <("$clang_format" --dry-run -Werror "${files[@]}" 2>&1 |
  sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' |
  sort -u)
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted as .clang-format says (${#unformatted[@]} of ${#files[@]} files):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  echo "Format them with: clang-format -i FILE..." >&2
  exit 1
fi
echo "All ${#files[@]} C++ files are formatted."
