#!/usr/bin/env bash
# Time from process start to the shown and to the filled main window of the desktop program
# on a real X server, beyond the one-second splash, and the resident memory of the idle
# program.
# Run under xvfb-run. Usage: startup_time.sh PATH/TO/korvane [runs]
set -uo pipefail
program=$1
runs=${2:-5}
appdata=$(mktemp -d)
mkdir -p "$appdata/Arvel_DeckPlate"
printf '\x37\x01\x00\x00' > "$appdata/Arvel_DeckPlate/korvane.dat"
caption="フラットデッキ構造計算プログラム"
for run in $(seq "$runs"); do
  start=$(date +%s%N)
  APPDATA=$appdata QT_QPA_PLATFORM=xcb "$program" &
  pid=$!
  until xwininfo -name "$caption" 2>/dev/null | grep -q IsViewable; do
    if ! kill -0 "$pid" 2>/dev/null; then
      wait "$pid"; echo "run $run: the program ended with status $? before its window showed"
      continue 2
    fi
    sleep 0.005
  done
  shown=$(date +%s%N)
  # Filled: the thickness list, empty until the first filling, shows "0.7" in white. A look
  # takes some 30 ms; the filling happened after the last look that saw none and before the
  # end of the first that saw it.
  id=$(xwininfo -name "$caption" | awk '/Window id/ {print $4}')
  not_yet=$shown
  while :; do
    look=$(date +%s%N)
    white=$(import -window "$id" -crop 56x16+385+43 +repage txt:- 2>/dev/null | grep -ci '#FFFFFF')
    [ "${white:-0}" -ge 3 ] && break
    not_yet=$look
  done
  filled=$(date +%s%N)
  sleep 1.5
  rss=$(awk '/VmRSS/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null
  echo "run $run: start to main window shown $(( (shown - start) / 1000000 )) ms," \
       "filled after $(( (not_yet - start) / 1000000 )) and by $(( (filled - start) / 1000000 )) ms" \
       "(beyond the 1000 ms splash: $(( (shown - start) / 1000000 - 1000 )) ms and" \
       "$(( (filled - start) / 1000000 - 1000 )) ms), idle resident memory $(( rss / 1024 )) MB"
done
rm -rf "$appdata"
