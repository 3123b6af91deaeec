#!/usr/bin/env bash
# On a 1024 x 768 screen the result window, title bar and frame included, lies inside the
# screen; the sheet scrolls in what the window holds.
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1

e2e_start_display 1024x768
e2e_start_korvane "$korvane"
e2e_click "$MAIN_WIN" "${CALCULATE_BUTTON[@]}"
result=$(e2e_wait_window "$RESULT_CAPTION") || exit 1
sleep 0.2
# The frame openbox puts round the window: its outermost ancestor below the root.
frame=$result
while :; do
  parent=$(xwininfo -children -id "$frame" | awk '/Parent window id/ {print $4}')
  root=$(xwininfo -root | awk '/Window id/ {print $4}')
  [ "$parent" = "$root" ] && break
  frame=$parent
done
top=$(xwininfo -id "$frame" | awk '/Absolute upper-left Y/ {print $4}')
height=$(xwininfo -id "$frame" | awk '/Height/ {print $2}')
[ "$top" -ge 0 ] || e2e_fail "the result window's top is above the screen ($top)"
[ $((top + height)) -le 768 ] ||
  e2e_fail "the result window ends at $((top + height)), below the screen's 768"
echo "ok"
