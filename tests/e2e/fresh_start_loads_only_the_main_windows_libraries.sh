#!/usr/bin/env bash
# What a fresh start maps, read from /proc/PID/maps once the main window is filled: not the
# deck-choice windows' module nor the chart and OpenGL libraries only those windows draw with,
# and not the help pictures' module nor the metafile converter only the help pictures draw
# with. Opening the span table, and switching the help on, then load them, from beside the
# program (or from the installed modules folder, when given an installed program).
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1

readonly SPAN_TABLE_BUTTON=(590 247)
readonly SPAN_TABLE_CAPTION="Korvane for Win [ 最大スパン表 ]"
readonly DECK_CHOICE_LIBRARIES='libkorvane_deckchoice|libQt6Charts|libQt6OpenGL'
readonly HELP_BUTTON=(590 370)
readonly HELP_LIBRARIES='libkorvane_help|libemf2svg|libuemf'

# The file names the program maps that match the pattern, one a line.
mapped() {
  awk '{print $6}' "/proc/$KORVANE_PID/maps" | sed 's|.*/||' | grep -E "$1" | sort -u
}

e2e_start_display
e2e_start_korvane "$korvane"

loaded=$(mapped "$DECK_CHOICE_LIBRARIES")
[ -z "$loaded" ] || e2e_fail "a fresh start maps what only the deck-choice windows need:" $loaded
loaded=$(mapped "$HELP_LIBRARIES")
[ -z "$loaded" ] || e2e_fail "a fresh start maps what only the help pictures need:" $loaded

e2e_click "$MAIN_WIN" "${SPAN_TABLE_BUTTON[@]}"
span_table=$(e2e_wait_window "$SPAN_TABLE_CAPTION") || exit 1
for library in libkorvane_deckchoice libQt6Charts; do
  mapped "$library" | grep -q . || e2e_fail "the open span table has not loaded $library"
done
e2e_click_close_box "$span_table"
e2e_wait_gone "$SPAN_TABLE_CAPTION" || exit 1

# The help window opens at the screen's top left, over nothing the route clicks after.
e2e_click "$MAIN_WIN" "${HELP_BUTTON[@]}"
e2e_wait_window "デッキ種類" >/dev/null || exit 1
for library in libkorvane_help libemf2svg libuemf; do
  for _ in $(seq 50); do
    mapped "$library" | grep -q . && break
    sleep 0.1
  done
  mapped "$library" | grep -q . || e2e_fail "the help window shown has not loaded $library"
done
echo "fresh start: none of the deck-choice or help picture libraries;" \
  "span table open: module and charts; help on: module and metafile converter"
