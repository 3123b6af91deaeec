#!/usr/bin/env bash
# Starts the built desktop program on a real X server (run under xvfb-run) and waits for
# its windows: with a marker file the filled main window, on a first start the usage notice.
# Needs xwininfo (x11-utils) and import (imagemagick).
# Usage: start_program.sh PATH/TO/korvane
set -uo pipefail
program=$1
appdata=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; rm -rf "$appdata"' EXIT

# Waits up to 20 s for a viewable window of that caption; prints its geometry line.
wait_for_window() {
  local caption=$1
  for _ in $(seq 200); do
    if ! kill -0 "$pid" 2>/dev/null; then
      echo "the program ended before showing \"$caption\"" >&2
      return 1
    fi
    if xwininfo -name "$caption" 2>/dev/null | grep -q 'Map State: IsViewable'; then
      xwininfo -name "$caption" | grep -E 'Width|Height'
      return 0
    fi
    sleep 0.1
  done
  echo "no window \"$caption\" appeared" >&2
  return 1
}

# Waits up to 5 s for the main window's first filling: the thickness list, empty until
# then, shows "0.7" in white on navy.
wait_for_filling() {
  local id
  id=$(xwininfo -name "フラットデッキ構造計算プログラム" | awk '/Window id/ {print $4}')
  for _ in $(seq 50); do
    local white
    white=$(import -window "$id" -crop 56x16+385+43 +repage txt:- 2>/dev/null | grep -ci '#FFFFFF')
    [ "${white:-0}" -ge 3 ] && return 0
    sleep 0.1
  done
  echo "the main window was not filled" >&2
  return 1
}

stop_program() {
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# A user who has seen the notice before: straight to the main window.
mkdir -p "$appdata/Arvel_DeckPlate"
printf '\x37\x01\x00\x00' > "$appdata/Arvel_DeckPlate/korvane.dat"
APPDATA=$appdata QT_QPA_PLATFORM=xcb "$program" &
pid=$!
geometry=$(wait_for_window "フラットデッキ構造計算プログラム") || exit 1
echo "$geometry"
echo "$geometry" | grep -q 'Width: 644' || { echo "main window is not 644 wide" >&2; exit 1; }
echo "$geometry" | grep -q 'Height: 465' || { echo "main window is not 465 high" >&2; exit 1; }
wait_for_filling || exit 1
if xwininfo -name "ご確認下さい" >/dev/null 2>&1; then
  echo "the usage notice appeared for a returning user" >&2
  exit 1
fi
stop_program

# A first start: the usage notice comes before the main window.
rm -rf "$appdata/Arvel_DeckPlate"
APPDATA=$appdata QT_QPA_PLATFORM=xcb "$program" &
pid=$!
wait_for_window "ご確認下さい" || exit 1
if xwininfo -name "フラットデッキ構造計算プログラム" 2>/dev/null | grep -q IsViewable; then
  echo "the main window is shown while the usage notice waits" >&2
  exit 1
fi
stop_program
echo "ok"
