#!/usr/bin/env bash
# Side by side, each pair measured in RUNS alternated rounds (default 9); every figure is
# the median of the rounds, every ratio the median of each round's own ratio:
#   batch   korvane-calc over 10,000 data files against reading the same files and writing
#           the same bytes (read_write_floor), both as whole processes started without a
#           shell (bench/cli/paired_runs), output discarded; processor time is the steadier
#           figure on a busy machine
#   engine  ns per case of CalculateCase (the engine as its callers use it) against its
#           arithmetic floor, both from one run of bench_core per round
#   sheet   sheet contents built per second
# Goals: batch processor time at most 1.3x the floor, engine at most 1.5x its floor, sheet
# at least 200,000 contents/s.
#
# Usage: bench/compare.sh [BUILD_DIR] [RUNS]   (needs korvane-calc, read_write_floor,
# paired_runs, bench_core and bench_sheet built in BUILD_DIR)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
runs="${2:-9}"
calc="$build/cli/korvane-calc"
floor="$build/bench/core/read_write_floor"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# 10,000 files cycling through the golden cases: every variant of the sheet, one refused.
cases=("$here"/../tests/golden/cases/*.fdt)
for ((i = 0; i < 10000; ++i)); do
  cp "${cases[i % ${#cases[@]}]}" "$work/$(printf 'case%05d.fdt' "$i")"
done
cd "$work"
"$calc" case*.fdt >expected.jsonl || [ $? -eq 2 ] # the refused case exits 2

median() { # of the numbers given
  printf '%s\n' "$@" | sort -g | awk '{ v[NR] = $1 }
    END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

echo "batch (10,000 files):"
"$build/bench/cli/paired_runs" "$runs" floor "$floor" expected.jsonl case*.fdt :: \
  calc "$calc" case*.fdt

# Both engine figures from one run of bench_core: cpu_time of CalculateCase and of the floor.
engine_pair() {
  "$build/bench/core/bench_core" --benchmark_filter='^BM_(CalculateCase|ArithmeticFloor)$' \
    --benchmark_format=csv 2>/dev/null |
    awk -F, '/^"BM_CalculateCase"/ { c = $4 } /^"BM_ArithmeticFloor"/ { f = $4 }
      END { print c, f }'
}

engine_ns=() arith_ns=() engine_ratio=() sheet_rate=()
for ((run = 0; run < runs; ++run)); do
  read -r engine arith < <(engine_pair)
  engine_ns+=("$engine") arith_ns+=("$arith")
  engine_ratio+=("$(awk -v a="$engine" -v b="$arith" 'BEGIN { print a / b }')")
  sheet_rate+=("$(QT_QPA_PLATFORM=offscreen "$build/bench/sheet/bench_sheet" \
    --benchmark_filter='^BM_BuildSheetContent$' --benchmark_format=csv 2>/dev/null |
    awk -F, '/^"BM_BuildSheetContent"/ { print $7 }')")
done
printf 'engine  CalculateCase %.1f ns, arithmetic floor %.1f ns, %.2fx (goal <= 1.5x)\n' \
  "$(median "${engine_ns[@]}")" "$(median "${arith_ns[@]}")" "$(median "${engine_ratio[@]}")"
printf 'sheet   %.0f contents/s (goal >= 200000)\n' "$(median "${sheet_rate[@]}")"
echo "($runs rounds, medians)"
