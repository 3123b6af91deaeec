#!/usr/bin/env bash
# What a fresh start maps, read from /proc/PID/maps once the main window is filled: not the
# deck-choice windows' module nor the chart and OpenGL libraries only those windows draw with.
# Opening the span table then loads them, from beside the program (or from the installed
# modules folder, when given an installed program).
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1

readonly SPAN_TABLE_BUTTON=(590 247)
readonly SPAN_TABLE_CAPTION="Korvane for Win [ 最大スパン表 ]"
readonly DECK_CHOICE_LIBRARIES='libkorvane_deckchoice|libQt6Charts|libQt6OpenGL'

# The file names the program maps that match the pattern, one a line.
mapped() {
  awk '{print $6}' "/proc/$KORVANE_PID/maps" | sed 's|.*/||' | grep -E "$1" | sort -u
}

e2e_start_display
e2e_start_korvane "$korvane"

loaded=$(mapped "$DECK_CHOICE_LIBRARIES")
[ -z "$loaded" ] || e2e_fail "a fresh start maps what only the deck-choice windows need:" $loaded

e2e_click "$MAIN_WIN" "${SPAN_TABLE_BUTTON[@]}"
e2e_wait_window "$SPAN_TABLE_CAPTION" >/dev/null || exit 1
for library in libkorvane_deckchoice libQt6Charts; do
  mapped "$library" | grep -q . || e2e_fail "the open span table has not loaded $library"
done
echo "fresh start: none of the deck-choice libraries; span table open: module and charts"
