#!/usr/bin/env bash
# Rewrites tests/golden/expected from the current korvane-calc.
#
# Regenerate ONLY for an intended change of the sheet (a new item, a corrected text, a
# changed layout), and look at the diff before committing it: every changed line is a
# change on the sheet the engineer signs. A refactoring, a faster path or a new library
# must leave these files exactly as they are.
#
# Usage: regenerate.sh [KORVANE_CALC]   (default: build/cli/korvane-calc)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
source "$here/outputs.sh"

calc="${1:-$here/../../build/cli/korvane-calc}"
rm -rf "$here/expected"
write_golden_outputs "$calc" "$here/expected"
git -C "$here" status --short -- expected
