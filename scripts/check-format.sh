#!/usr/bin/env bash
# Checks that every tracked C++ file is formatted as the repository's .clang-format says.
# Prints the files that differ and fails when there is one; changes nothing.
# Usage: scripts/check-format.sh [CLANG_FORMAT]   (default clang-format)
set -euo pipefail
cd "$(dirname "$0")/.."
clang_format=${1:-clang-format}
mapfile -t files < <(git ls-files '*.cpp' '*.h')
unformatted=()
for file in "${files[@]}"; do
  if ! "$clang_format" --dry-run -Werror "$file" >/dev/null 2>&1; then
    unformatted+=("$file")
  fi
done
if [ ${#unformatted[@]} -gt 0 ]; then
  echo "Not formatted as .clang-format says (${#unformatted[@]} of ${#files[@]} files):" >&2
  printf '  %s\n' "${unformatted[@]}" >&2
  echo "Format them with: clang-format -i FILE..." >&2
  exit 1
fi
echo "All ${#files[@]} C++ files are formatted."
