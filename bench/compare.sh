#!/usr/bin/env bash
# Side by side, each measured RUNS times (default 3) and given as a range:
#   batch   korvane-calc over 10,000 data files against reading the same files and writing
#           the same bytes (read_write_floor), both as whole processes, output discarded
#   engine  ns per case of the calculation against its arithmetic floor
#   sheet   sheet contents built per second
# Goals: batch at most 2x the floor, engine at least 5 million cases/s, sheet at least
# 200,000 contents/s. The machine's other load moves these figures: compare ranges taken
# on the same machine at the same time.
#
# Usage: bench/compare.sh [BUILD_DIR] [RUNS]   (needs korvane-calc, read_write_floor,
# bench_core and bench_sheet built in BUILD_DIR)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
runs="${2:-3}"
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

# Runs the command once; prints its wall time and its processor time (user + system), in ms.
# On a busy machine the processor time is the steadier of the two.
milliseconds() {
  local TIMEFORMAT='%3R %3U %3S' times
  times=$( { time "$@" >/dev/null 2>&1; } 2>&1) || true
  awk '{ printf "%d %d\n", $1 * 1000, ($2 + $3) * 1000 }' <<<"$times"
}

range() { # min-max of the numbers given
  printf '%s\n' "$@" | sort -g | sed -n '1p;$p' | paste -sd'-'
}

# One figure of a Google Benchmark program's CSV output: FIELD of benchmark NAME.
benchmark_field() {
  local program="$1" name="$2" field="$3"
  QT_QPA_PLATFORM=offscreen "$program" --benchmark_filter="^$name\$" \
    --benchmark_format=csv 2>/dev/null |
    awk -F, -v name="\"$name\"" -v field="$field" '
      NR == 1 || /^name,/ { for (i = 1; i <= NF; ++i) column[$i] = i; next }
      $1 == name { print $column[field] }'
}

calc_ms=() floor_ms=() calc_cpu=() floor_cpu=() engine_ns=() arith_ns=() sheet_rate=()
for ((run = 0; run < runs; ++run)); do
  read -r wall cpu < <(milliseconds "$calc" case*.fdt)
  calc_ms+=("$wall") calc_cpu+=("$cpu")
  read -r wall cpu < <(milliseconds "$floor" expected.jsonl case*.fdt)
  floor_ms+=("$wall") floor_cpu+=("$cpu")
  engine_ns+=("$(benchmark_field "$build/bench/core/bench_core" BM_Calculation cpu_time)")
  arith_ns+=("$(benchmark_field "$build/bench/core/bench_core" BM_ArithmeticFloor cpu_time)")
  sheet_rate+=("$(benchmark_field "$build/bench/sheet/bench_sheet" BM_BuildSheetContent \
    items_per_second)")
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.1f", a / b }'; }
per_second() { awk -v ns="$1" 'BEGIN { printf "%.1f", 1000 / ns }'; }
printf '%-8s %-28s %-28s %s\n' "" "measured" "floor" "goal"
printf '%-8s %-28s %-28s %s\n' batch "korvane-calc $(range "${calc_ms[@]}") ms" \
  "read+write $(range "${floor_ms[@]}") ms" \
  "<= 2x floor (now $(ratio "$(range "${calc_ms[@]}" | cut -d- -f1)" \
    "$(range "${floor_ms[@]}" | cut -d- -f1)")x at best)"
printf '%-8s %-28s %-28s %s\n' "  cpu" "korvane-calc $(range "${calc_cpu[@]}") ms" \
  "read+write $(range "${floor_cpu[@]}") ms" \
  "(now $(ratio "$(range "${calc_cpu[@]}" | cut -d- -f1)" \
    "$(range "${floor_cpu[@]}" | cut -d- -f1)")x at best)"
min_engine="$(range "${engine_ns[@]}" | cut -d- -f1)"
printf '%-8s %-28s %-28s %s\n' engine \
  "$(range "$(printf '%.1f\n' "${engine_ns[@]}")") ns/case" \
  "arithmetic $(range "$(printf '%.1f\n' "${arith_ns[@]}")") ns" \
  ">= 5 M cases/s (now $(per_second "$min_engine") M/s at best)"
printf '%-8s %-28s %-28s %s\n' sheet \
  "$(range "$(printf '%.0f\n' "${sheet_rate[@]}")")/s" "" ">= 200000 contents/s"
