#!/usr/bin/env bash
# Start-up cost of korvane-calc on one data file against the floor of any Qt command-line
# program (bench/cli/startup_floor: QCoreApplication and an argument parser), every command
# started straight from bench/cli/paired_runs (no shell between), in alternated rounds;
# the medians of each round's ratio to the floor are printed.
#   floor      startup_floor FILE
#   floor+gui  the same program loading QtGui as well (what the drawing libraries cost)
#   json       korvane-calc FILE
#   pdf        korvane-calc --pdf OUT FILE  (the drawing part, QtGui on the offscreen platform)
# and then, in rounds of their own, that pdf run against the floor of a PDF run
# (bench/cli/pdf_floor: a bare Qt program writing one page of Japanese PDF/A).
# Goals: the one-file JSON run at most 1.3x the floor, the pdf run at most 1.3x its floor. Library loading is most of these
# figures, so they move with the machine's other load: compare figures of one run, and
# prefer the processor-time column on a busy machine.
#
# Usage: bench/cli_startup.sh [BUILD_DIR] [RUNS]   (needs korvane-calc, startup_floor,
# startup_floor_gui, pdf_floor and paired_runs built in BUILD_DIR; CALC=path measures another
# korvane-calc binary instead)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="$(cd "${1:-$here/../build}" && pwd)"
runs="${2:-30}"
calc="${CALC:-$build/cli/korvane-calc}"
file="$(ls "$here"/../tests/golden/cases/*.fdt | head -1)"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

"$build/bench/cli/paired_runs" "$runs" \
  floor "$build/bench/cli/startup_floor" "$file" :: \
  floor+gui "$build/bench/cli/startup_floor_gui" "$file" :: \
  json "$calc" "$file" :: \
  pdf "$calc" --pdf "$work/out.pdf" --date x "$file"
echo "($(basename "$file"); goal: json at most 1.3x floor)"
"$build/bench/cli/paired_runs" "$runs" \
  pdf-floor "$build/bench/cli/pdf_floor" "$work/floor.pdf" :: \
  pdf "$calc" --pdf "$work/out.pdf" --date x "$file"
echo "(goal: pdf at most 1.3x pdf-floor)"
