#!/usr/bin/env bash
# Start-up of the desktop program against an empty Qt window, on a real X server with a
# window manager: the time from process start until the empty window is on the screen,
# and until the program's main window is on the screen and filled, beyond the one-second
# splash. Each is run RUNS times, in turns; the medians and their ratio are printed.
# The second pass runs as on a GNOME desktop, whose icon theme (Adwaita) Qt then loads.
# A watcher (watch_window.py) started before each program sleeps until the X server reports
# a change, then looks for the window and reads the filled list's pixels straight from the X
# server; this script waits on both processes without polling, so that neither takes
# processor time from the program measured.
# Needs Xvfb, openbox, xdotool, xwininfo (see tests/e2e/e2e_lib.sh), python3 and libX11.
# Usage: startup_compare.sh PATH/TO/korvane PATH/TO/empty_window [RUNS]
source "$(dirname "$0")/../../tests/e2e/e2e_lib.sh"
program=$1
empty=$2
runs=${3:-10}
readonly SPLASH_MS=1000

watch=$(dirname "$0")/watch_window.py

# Now in epoch milliseconds, without starting a process.
now_ms() { local t=${EPOCHREALTIME/./}; NOW=$((t / 1000)); }

# Waits for the watcher's line (it ends once it has seen what it watches for) and puts it in
# SEEN. Called in this shell, not in a command substitution, so that it can wait on both.
watched() {
  local watcher=$1 pid=$2 out=$3
  wait -n "$watcher" "$pid" || true
  if kill -0 "$watcher" 2>/dev/null; then
    echo "the program ended early" >&2
    kill "$watcher"
    return 1
  fi
  SEEN=$(<"$out")
}

# Milliseconds until the empty window shows, in TIMED.
time_empty() {
  local out=$E2E_TMP/watch.out watcher start pid seen
  python3 "$watch" "empty window" >"$out" &
  watcher=$!
  sleep 0.2 # the watcher is up
  now_ms; start=$NOW
  "$empty" >/dev/null 2>&1 &
  pid=$!
  watched "$watcher" "$pid" "$out" || return 1
  kill "$pid"; wait "$pid" 2>/dev/null
  TIMED=$((SEEN - start))
}

# Milliseconds beyond the splash until the main window shows and until it is filled (the
# thickness list, empty until the first filling, shows "0.7" in white), in TIMED.
time_korvane() {
  local appdata=$E2E_TMP/appdata out=$E2E_TMP/watch.out watcher start pid seen
  mkdir -p "$appdata/Arvel_DeckPlate"
  printf '\x37\x01\x00\x00' >"$appdata/Arvel_DeckPlate/korvane.dat"
  python3 "$watch" "$MAIN_CAPTION" --filled >"$out" &
  watcher=$!
  sleep 0.2
  now_ms; start=$NOW
  HOME=$E2E_TMP APPDATA=$appdata QT_QPA_PLATFORM=xcb "$program" >/dev/null 2>&1 &
  pid=$!
  watched "$watcher" "$pid" "$out" || return 1
  kill "$pid"; wait "$pid" 2>/dev/null
  TIMED="$((${SEEN% *} - start - SPLASH_MS)) $((${SEEN#* } - start - SPLASH_MS))"
}

median() {
  sort -n | awk '{ v[NR] = $1 }
    END { print (NR % 2) ? v[(NR + 1) / 2] : int((v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

measure() {
  local label=$1 empties=() shows=() fills=() pair
  for _ in $(seq "$runs"); do
    time_empty || exit 1
    empties+=("$TIMED")
    time_korvane || exit 1
    pair=$TIMED
    shows+=("${pair% *}")
    fills+=("${pair#* }")
  done
  local e s f
  e=$(printf '%s\n' "${empties[@]}" | median)
  s=$(printf '%s\n' "${shows[@]}" | median)
  f=$(printf '%s\n' "${fills[@]}" | median)
  echo "$label: empty window ${e} ms; korvane beyond the splash: shown ${s} ms," \
       "filled by ${f} ms (${runs} runs, medians); shown/empty" \
       "$(awk -v s="$s" -v e="$e" 'BEGIN { printf "%.2f", s / e }')," \
       "filled/empty $(awk -v f="$f" -v e="$e" 'BEGIN { printf "%.2f", f / e }')"
  echo "  empty: ${empties[*]}"
  echo "  shown: ${shows[*]}"
  echo "  filled: ${fills[*]}"
}

e2e_start_display
measure "plain X session"
XDG_CURRENT_DESKTOP=GNOME measure "GNOME desktop, Adwaita icons"
