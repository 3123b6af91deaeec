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

# NAME CORPUS MAX_LEN [OPTION...]: the longest input is well above every seed. The whole
# output goes to BUILD/fuzz/NAME.log; the summary is shown, and the log's end when the
# target fails.
run() {
  local name=$1 dir=$2 max_len=$3 log="$build/fuzz/$1.log"
  shift 3
  echo "== $name: ${seconds} s"
  if "$build/fuzz/$name" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
      -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$crashes/$name-" "$@" \
      "$corpus/$dir" >"$log" 2>&1; then
    grep -E '^(Done|stat::(number_of_executed_units|new_units_added))' "$log"
  else
    tail -n 60 "$log"
    echo "$name failed: see $log and the input saved in $crashes/" >&2
    return 1
  fi
}
status=0
run fuzz_datafile datafile 4096 || status=1
# The summary seed is 19 KB: libFuzzer's length control would grow inputs from short ones
# and, in a run of minutes, never pass the seed's length. Without it every length up to
# MAX_LEN is tried from the start, so long texts (deep groups, long runs) are reached.
run fuzz_rtf rtf 65536 -len_control=0 || status=1
run fuzz_emf emf 16384 || status=1
exit $status
