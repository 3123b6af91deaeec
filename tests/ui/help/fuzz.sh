#!/usr/bin/env bash
# Builds the fuzzers of the rich-text reader and of the picture conversion with clang
# (libFuzzer, AddressSanitizer, UBSan) and runs each for SECONDS.
# Usage: tests/ui/help/fuzz.sh [SECONDS]   (default 60)
set -euo pipefail
cd "$(dirname "$0")/../../.."
out=build-fuzz-help
mkdir -p "$out/rtf" "$out/emf"
qt="$(pkg-config --cflags --libs Qt6Gui)"
flags=(-std=c++20 -O1 -g -fPIC -fsanitize=fuzzer,address,undefined -I.)
clang++ "${flags[@]}" tests/ui/help/fuzz_rtf.cpp ui/RtfReader.cpp core/TextCodec.cpp \
  $qt -o "$out/fuzz_rtf"
clang++ "${flags[@]}" tests/ui/help/fuzz_emf.cpp ui/EmfPicture.cpp \
  $qt $(pkg-config --cflags --libs Qt6Svg) -lemf2svg -o "$out/fuzz_emf"
# Seeds: the summary text and the smallest help picture.
cp assets/load_data/Summary.rtf "$out/rtf/"
cp assets/load_data/KR_tag0.emf "$out/emf/"
export QT_QPA_PLATFORM=offscreen
"$out/fuzz_rtf" -max_total_time="${1:-60}" -max_len=8192 -artifact_prefix="$out/" "$out/rtf"
"$out/fuzz_emf" -max_total_time="${1:-60}" -max_len=200000 -artifact_prefix="$out/" "$out/emf"
