#!/usr/bin/env bash
# Instruction counts (valgrind's callgrind) of the figures that bench/cli_startup.sh and
# bench/compare.sh time: they do not move with the machine's other load, so on a busy
# machine they are the figures to compare between builds.
#   one-file  korvane-calc FILE against startup_floor FILE (whole processes)
#   batch     korvane-calc over 1,000 data files: instructions per file, start-up included
#             once (the read-and-write floor's cost is mostly the kernel's, which callgrind
#             does not count, so no ratio is given for it)
#   engine    instructions per CalculateCase against per pass of its arithmetic floor
#   pdf       korvane-calc-draw writing one page's PDF/A (korvane-calc hands --pdf over to
#             it at once) against pdf_floor, a bare one-page Japanese PDF/A
#
# Usage: bench/instruction_counts.sh [BUILD_DIR]   (needs korvane-calc, korvane-calc-draw,
# startup_floor, pdf_floor and bench_core built in BUILD_DIR, and valgrind)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
calc="$build/cli/korvane-calc"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# callgrind_annotate shortens the names of files under the current folder, and then leaves
# some callers out of its call tree: it runs in the scratch folder.
cd "$work"

# Instructions of one whole command, or of the functions matching PATTERN in it.
instructions() { # OUT PATTERN COMMAND...
  local out=$1 pattern=$2
  shift 2
  valgrind --tool=callgrind --callgrind-out-file="$out" ${pattern:+--toggle-collect="$pattern"} \
    "$@" >/dev/null 2>&1 || true
  callgrind_annotate "$out" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'
}
# How many times CALLEE was called from CALLER, from a profile. awk reads the whole tree:
# leaving early would end callgrind_annotate by a broken pipe, which stops this script.
calls() { # OUT CALLER CALLEE
  callgrind_annotate --tree=caller "$1" | awk -v caller="$2" -v callee="$3" '
    /^$/ { last = "" }
    $0 ~ "< .*" caller { n = $0; sub(/.*\(/, "", n); sub(/x\).*/, "", n); gsub(",", "", n); last = n }
    $0 ~ "\\*  .*" callee && last != "" && !found { print last; found = 1 }'
}

cases=("$here"/../tests/golden/cases/*.fdt)
file="${cases[0]}"
floor=$(instructions "$work/floor.out" "" "$build/bench/cli/startup_floor" "$file")
json=$(instructions "$work/json.out" "" "$calc" "$file")
awk -v f="$floor" -v j="$json" 'BEGIN {
  printf "one-file  korvane-calc %.2f M, floor %.2f M instructions, %.2fx (goal <= 1.3x)\n",
    j / 1e6, f / 1e6, j / f }'

for ((i = 0; i < 1000; ++i)); do
  cp "${cases[i % ${#cases[@]}]}" "$work/$(printf 'case%04d.fdt' "$i")"
done
batch=$(instructions "$work/batch.out" "" "$calc" case*.fdt)
awk -v b="$batch" -v j="$json" 'BEGIN {
  printf "batch     %.1f M instructions for 1,000 files, %.1f k per file after start-up\n",
    b / 1e6, (b - j) / 1000 / 1e3 }'

bench="$build/bench/core/bench_core"
engine=$(instructions "$work/engine.out" "*BM_CalculateCase*" "$bench" \
  --benchmark_filter='^BM_CalculateCase$' --benchmark_min_time=0.02)
engine_calls=$(calls "$work/engine.out" BM_CalculateCase "korvane::CalculateCase[(]")
arith=$(instructions "$work/arith.out" "*BM_ArithmeticFloor*" "$bench" \
  --benchmark_filter='^BM_ArithmeticFloor$' --benchmark_min_time=0.02)
# The floor's passes: it calls CeilToDigits four times in each.
ceil_calls=$(calls "$work/arith.out" BM_ArithmeticFloor "korvane::CeilToDigits[(]")
awk -v e="$engine" -v n="$engine_calls" -v a="$arith" -v c="$ceil_calls" 'BEGIN {
  per = e / n; floor = a / (c / 4)
  printf "engine    CalculateCase %.0f, arithmetic floor %.0f instructions, %.2fx (goal <= 1.5x)\n",
    per, floor, per / floor }'

pdf=$(instructions "$work/pdf.out" "" "$build/cli/korvane-calc-draw" \
  --pdf "$work/out.pdf" --date x "$file")
pdf_floor=$(instructions "$work/pdf_floor.out" "" \
  "$build/bench/cli/pdf_floor" "$work/floor.pdf")
awk -v p="$pdf" -v f="$pdf_floor" 'BEGIN {
  printf "pdf       korvane-calc-draw %.1f M, pdf floor %.1f M instructions, %.2fx (goal <= 1.3x)\n",
    p / 1e6, f / 1e6, p / f }'
