#!/usr/bin/env bash
# Resident memory of the idle desktop program against an empty Qt window, on a private X
# server with a window manager. Each round starts the empty window and then the program
# (every other round the other way round), waits until each is on the screen (the program:
# filled) and has been idle for SETTLE seconds, and reads VmRSS, RssAnon (heap and other
# private memory) and RssFile (mapped libraries and fonts) from /proc/PID/status.
# Prints each round and the medians of the figures and of each round's ratio.
# Needs Xvfb, openbox, xdotool, xwininfo and ImageMagick (see tests/e2e/e2e_lib.sh).
# Usage: memory_compare.sh PATH/TO/korvane PATH/TO/empty_window [ROUNDS] [SETTLE]
source "$(dirname "$0")/../../tests/e2e/e2e_lib.sh"
program=$1
empty=$2
rounds=${3:-5}
settle=${4:-2}

# "VmRSS RssAnon RssFile" of a process, in kB.
memory_of() {
  awk '/^VmRSS/ {r = $2} /^RssAnon/ {a = $2} /^RssFile/ {f = $2} END {print r, a, f}' \
    "/proc/$1/status"
}

# Memory of the empty window, in MEMORY.
measure_empty() {
  "$empty" >/dev/null 2>&1 &
  local pid=$!
  E2E_PIDS+=("$pid")
  e2e_wait_window "empty window" >/dev/null
  sleep "$settle"
  MEMORY=$(memory_of "$pid")
  kill "$pid"
  wait "$pid" 2>/dev/null
}

# Memory of the idle program after its first filling, in MEMORY.
measure_program() {
  e2e_start_korvane "$program"
  sleep "$settle"
  MEMORY=$(memory_of "$KORVANE_PID")
  kill "$KORVANE_PID"
  wait "$KORVANE_PID" 2>/dev/null
  KORVANE_PID=""
}

median() {
  sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

e2e_start_display
results=$E2E_TMP/rounds
: >"$results"
for round in $(seq "$rounds"); do
  if ((round % 2)); then
    measure_empty; e=$MEMORY
    measure_program; p=$MEMORY
  else
    measure_program; p=$MEMORY
    measure_empty; e=$MEMORY
  fi
  read -r er ea ef <<<"$e"
  read -r pr pa pf <<<"$p"
  echo "$er $ea $ef $pr $pa $pf" >>"$results"
  printf 'round %d: empty window %6.1f MB (anon %5.1f, file %5.1f)  program %6.1f MB (anon %5.1f, file %5.1f)  %.2fx\n' \
    "$round" "$(bc -l <<<"$er/1024")" "$(bc -l <<<"$ea/1024")" "$(bc -l <<<"$ef/1024")" \
    "$(bc -l <<<"$pr/1024")" "$(bc -l <<<"$pa/1024")" "$(bc -l <<<"$pf/1024")" \
    "$(bc -l <<<"$pr/$er")"
done

column_median() { awk -v c="$1" '{print $c}' "$results" | median; }
ratio_median() { awk -v a="$1" -v b="$2" '{print $a / $b}' "$results" | median; }
printf 'median resident memory: empty window %.1f MB, program %.1f MB; median of ratios %.2fx (goal <= 1.5x)\n' \
  "$(bc -l <<<"$(column_median 1)/1024")" "$(bc -l <<<"$(column_median 4)/1024")" "$(ratio_median 4 1)"
printf 'median private (anon): empty window %.1f MB, program %.1f MB; mapped files: %.1f MB vs %.1f MB\n' \
  "$(bc -l <<<"$(column_median 2)/1024")" "$(bc -l <<<"$(column_median 5)/1024")" \
  "$(bc -l <<<"$(column_median 3)/1024")" "$(bc -l <<<"$(column_median 6)/1024")"
echo "load average: $(cut -d' ' -f1-3 /proc/loadavg)"
