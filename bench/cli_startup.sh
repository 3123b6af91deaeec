#!/usr/bin/env bash
# Start-up cost of korvane-calc on one data file against the floor of any Qt command-line
# program (bench/cli/startup_floor: QCoreApplication and an argument parser), each run RUNS
# times (default 30) as a whole process, output discarded; the medians are compared.
#   json   korvane-calc FILE            (QCoreApplication, no fonts)
#   pdf    korvane-calc --pdf OUT FILE  (QGuiApplication on the offscreen platform)
# Goal: the one-file JSON run at most 1.5x the floor. Library loading is most of both, so
# the figures move with the machine's other load: compare figures taken together.
#
# Usage: bench/cli_startup.sh [BUILD_DIR] [RUNS]   (needs korvane-calc and startup_floor
# built in BUILD_DIR; CALC=path measures another korvane-calc binary instead)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
runs="${2:-30}"
calc="${CALC:-$build/cli/korvane-calc}"
floor="$build/bench/cli/startup_floor"
file="$(ls "$here"/../tests/golden/cases/*.fdt | head -1)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Wall time of one run of the command, in microseconds.
microseconds() {
  local start end
  start=$EPOCHREALTIME
  "$@" >/dev/null 2>&1 || true
  end=$EPOCHREALTIME
  echo $(((${end/./} - ${start/./})))
}

median() { # of the numbers given
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
    END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

ms() { awk -v us="$1" 'BEGIN { printf "%.1f ms", us / 1000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

# One warm-up run each, so that the first measured run does not pay for a cold disk cache.
"$floor" "$file" >/dev/null
"$calc" "$file" >/dev/null || true

floor_us=() json_us=() pdf_us=()
for ((run = 0; run < runs; ++run)); do # interleaved: a burst of load hits all three alike
  floor_us+=("$(microseconds "$floor" "$file")")
  json_us+=("$(microseconds "$calc" "$file")")
  pdf_us+=("$(microseconds "$calc" --pdf "$work/out.pdf" --date x "$file")")
done

floor_median="$(median "${floor_us[@]}")"
json_median="$(median "${json_us[@]}")"
pdf_median="$(median "${pdf_us[@]}")"
printf '%-6s %-12s %-10s %s\n' "" "median" "x floor" "goal"
printf '%-6s %-12s %-10s %s\n' floor "$(ms "$floor_median")" "1.00" ""
printf '%-6s %-12s %-10s %s\n' json "$(ms "$json_median")" \
  "$(ratio "$json_median" "$floor_median")" "<= 1.5"
printf '%-6s %-12s %-10s %s\n' pdf "$(ms "$pdf_median")" \
  "$(ratio "$pdf_median" "$floor_median")" ""
echo "($runs runs each, $(basename "$file"))"
