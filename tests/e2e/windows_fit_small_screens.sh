#!/usr/bin/env bash
# Windows on small screens: on 1024x768 the message listing the defaults of a damaged file
# lies within the screen (its text wrapped), and OK closes it; at scale factor 2 on
# 1920x1080 the maximum-span table with its chart and buttons lies within the screen.
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1

readonly SPAN_TABLE_CAPTION="Korvane for Win [ 最大スパン表 ]"
readonly SPAN_TABLE_BUTTON=(590 247)

# Fails unless the window lies within the screen of WIDTHxHEIGHT pixels.
within_screen() {
  local win=$1 width=$2 height=$3 what=$4 info x y w h
  info=$(xwininfo -id "$win")
  x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$info")
  y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$info")
  w=$(awk '/Width/ {print $2}' <<<"$info")
  h=$(awk '/Height/ {print $2}' <<<"$info")
  [ "$x" -ge 0 ] && [ "$y" -ge 0 ] && [ $((x + w)) -le "$width" ] && [ $((y + h)) -le "$height" ] ||
    e2e_fail "$what at ${x},${y} size ${w}x${h} is not within ${width}x${height}"
}

# A file of three lines: every later line is missing and listed with its default.
printf '1\r\n0\r\n1\r\n' >"$E2E_TMP/damaged.fdt"

e2e_start_display 1024x768
e2e_launch_korvane "$korvane" "$E2E_TMP/damaged.fdt"
box=$(e2e_wait_window "$MESSAGE_CAPTION") || exit 1
sleep 0.3
within_screen "$box" 1024 768 "the warning box"
e2e_focus "$box"
e2e_key Return
e2e_wait_gone "$MESSAGE_CAPTION"
MAIN_WIN=$(e2e_wait_window "$MAIN_CAPTION") || exit 1
kill "$KORVANE_PID"
wait "$KORVANE_PID" 2>/dev/null
KORVANE_PID=""

e2e_start_display 1920x1080
export QT_SCALE_FACTOR=2
e2e_launch_korvane "$korvane"
MAIN_WIN=$(e2e_wait_window "$MAIN_CAPTION") || exit 1
sleep 1 # the first filling
e2e_click "$MAIN_WIN" $((SPAN_TABLE_BUTTON[0] * 2)) $((SPAN_TABLE_BUTTON[1] * 2))
table=$(e2e_wait_window "$SPAN_TABLE_CAPTION") || exit 1
sleep 0.3
within_screen "$table" 1920 1080 "the span table window"
e2e_focus "$table"
e2e_key Escape
e2e_wait_gone "$SPAN_TABLE_CAPTION"
echo "ok"
