#!/usr/bin/env bash
# Builds the data file fuzzer with clang (libFuzzer, AddressSanitizer, UBSan) and runs it.
# Usage: fuzz/run.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/.."
out=build-fuzz
mkdir -p "$out/corpus"
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -I. \
  fuzz/fuzz_datafile.cpp core/*.cpp -o "$out/fuzz_datafile"
# Seed corpus: a saved case of each format version.
printf 'korvane 3.6\r\n1\r\n0\r\n5\r\n0\r\n111\r\n2500\r\n1\r\n4\r\n4\r\n130\r\n1470\r\n0\r\nt\r\n0\r\np\r\n' > "$out/corpus/v36"
printf 'korvane for win\n2\n1\n0\n130\n2500\n1\n4\n4\n130\n1470\n0\nt\n0\np\n' > "$out/corpus/v30"
printf '1\r2\r3000\r2\r5\r4\r150\r1470\r500\rt\r11\rp\r' > "$out/corpus/v20"
"$out/fuzz_datafile" -max_total_time="${1:-60}" -max_len=4096 "$out/corpus"
