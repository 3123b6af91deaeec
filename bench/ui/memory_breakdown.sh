#!/usr/bin/env bash
# Where the idle desktop program's resident memory goes, against an empty Qt window: both
# are started on a private X server with a window manager, left idle for SETTLE seconds, and
# their /proc/PID/smaps summed per mapped file (private memory of a mapping that has been
# written to, such as a library's relocated data, counts under "(private)" beside it; heap
# and other anonymous mappings under "[anon]"). Prints one line per file with Rss in kB for
# the empty window, the program and the difference, largest difference first.
# Needs what memory_compare.sh needs.
# Usage: memory_breakdown.sh PATH/TO/korvane PATH/TO/empty_window [SETTLE]
source "$(dirname "$0")/../../tests/e2e/e2e_lib.sh"
program=$1
empty=$2
settle=${3:-2}

# "NAME KB" lines of a process: Rss per mapped file, its anonymous (written) part apart.
rss_by_mapping() {
  awk '
    /^[0-9a-f]+-[0-9a-f]+ / { name = (NF >= 6) ? $6 : "[anon]"; sub(/.*\//, "", name); next }
    /^Rss:/ { rss[name] += $2 }
    /^Anonymous:/ { if (name !~ /^\[/) { rss[name] -= $2; rss[name " (private)"] += $2 } }
    END { for (n in rss) if (rss[n] > 0) print n "\t" rss[n] }
  ' "/proc/$1/smaps"
}

e2e_start_display
"$empty" >/dev/null 2>&1 &
empty_pid=$!
E2E_PIDS+=("$empty_pid")
e2e_wait_window "empty window" >/dev/null
e2e_start_korvane "$program"
sleep "$settle"
rss_by_mapping "$empty_pid" >"$E2E_TMP/empty"
rss_by_mapping "$KORVANE_PID" >"$E2E_TMP/program"
awk -F'\t' '
  FNR == NR { e[$1] = $2; names[$1] = 1; next }
  { p[$1] = $2; names[$1] = 1 }
  END {
    for (k in names) {
      printf "%8d %8d %+8d  %s\n", e[k], p[k], p[k] - e[k], k
      te += e[k]; tp += p[k]
    }
    printf "%8d %8d %+8d  %s\n", te, tp, tp - te, "TOTAL (kB: empty window, program, difference)"
  }' "$E2E_TMP/empty" "$E2E_TMP/program" | sort -k3,3gr
kill "$empty_pid"
