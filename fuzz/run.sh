#!/usr/bin/env bash
# Runs each fuzz target for SECONDS, seeded from the project's own files: saved design
# cases, the summary text, and small pictures cut from the help pictures. The targets are
# built by CMake with clang (target "fuzzers"); a crash leaves its input in
# BUILD/fuzz/crashes/ and fails the run.
# Usage: fuzz/run.sh BUILD_DIR [SECONDS]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?build folder of a clang build}
seconds=${2:-30}
corpus="$build/fuzz/corpus"
crashes="$build/fuzz/crashes"
mkdir -p "$corpus/datafile" "$corpus/rtf" "$corpus/emf" "$crashes"

cp fuzz/seeds/datafile/*.fdt "$corpus/datafile/"
cp assets/load_data/Summary.rtf "$corpus/rtf/"
python3 fuzz/make_emf_seeds.py "$corpus/emf" assets/load_data/*.emf

# NAME CORPUS MAX_LEN: the longest input is well above every seed. The whole output goes
# to BUILD/fuzz/NAME.log; the summary is shown, and the log's end when the target fails.
run() {
  local log="$build/fuzz/$1.log"
  echo "== $1: ${seconds} s"
  if "$build/fuzz/$1" -max_total_time="$seconds" -max_len="$3" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/$1-" \
      "$corpus/$2" >"$log" 2>&1; then
    grep -E '^(Done|stat::(number_of_executed_units|new_units_added))' "$log"
  else
    tail -n 60 "$log"
    echo "$1 failed: see $log and the input saved in $crashes/" >&2
    return 1
  fi
}
status=0
run fuzz_datafile datafile 4096 || status=1
run fuzz_rtf rtf 65536 || status=1
run fuzz_emf emf 16384 || status=1
exit $status
