#!/usr/bin/env bash
# What a fresh start maps, read from /proc/PID/maps once the main window is filled: not the
# deck-choice windows' module nor the chart and OpenGL libraries only those windows draw with,
# not the help pictures' module nor the metafile converter only the help pictures draw with,
# not the printing module nor the print library (loaded by the first print, or with the
# deck-choice windows, which print their tables), and not the SVG icon engine (the window
# icon comes as images rendered when the program was built; the main window still hands the
# window manager the icon in its four sizes). Opening the span table, and switching the help
# on, then load them, from beside the program (or from the installed modules folder, when
# given an installed program).
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1

readonly SPAN_TABLE_BUTTON=(590 247)
readonly SPAN_TABLE_CAPTION="Korvane for Win [ 最大スパン表 ]"
readonly DECK_CHOICE_LIBRARIES='libkorvane_deckchoice|libQt6Charts|libQt6OpenGL'
readonly HELP_BUTTON=(590 370)
readonly HELP_LIBRARIES='libkorvane_help|libemf2svg|libuemf'
readonly PRINT_LIBRARIES='libkorvane_print|libQt6PrintSupport'
readonly ICON_SIZES="16x16 32x32 64x64 128x128"

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
loaded=$(mapped "$PRINT_LIBRARIES")
[ -z "$loaded" ] || e2e_fail "a fresh start maps what only printing needs:" $loaded
loaded=$(mapped 'libqsvgicon')
[ -z "$loaded" ] || e2e_fail "a fresh start maps the SVG icon engine:" $loaded

# The sizes of the icon images the main window gives the window manager (_NET_WM_ICON holds
# width, height and the pixels of each).
icon_sizes=$(xprop -id "$MAIN_WIN" -notype 32c _NET_WM_ICON | sed 's/^[^=]*= *//' | tr -d ' \n' |
  awk -F, '{ for (i = 1; i < NF; i += 2 + $i * $(i + 1)) printf "%s%dx%d", (i > 1 ? " " : ""), $i, $(i + 1) }')
[ "$icon_sizes" = "$ICON_SIZES" ] ||
  e2e_fail "the main window's icon has the sizes \"$icon_sizes\", not \"$ICON_SIZES\""

e2e_click "$MAIN_WIN" "${SPAN_TABLE_BUTTON[@]}"
span_table=$(e2e_wait_window "$SPAN_TABLE_CAPTION") || exit 1
for library in libkorvane_deckchoice libQt6Charts libkorvane_print; do
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
echo "fresh start: none of the deck-choice, help picture or printing libraries nor the SVG" \
  "icon engine;" \
  "span table open: module, charts and printing; help on: module and metafile converter"
