#!/usr/bin/env bash
# The deck comparison from the main window: デッキ比較 opens the table; double-clicking the
# lightest passing deck puts it into the main window's deck band, and 計　算 then shows the
# result. Opened again and left with 閉じる, the inputs stay and 計　算 still works.
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1

readonly COMPARISON_CAPTION="Korvane for Win [ デッキ比較 ]"
readonly COMPARISON_BUTTON=(590 275)
# The first row of the table (client area of the comparison window), in its deck column.
readonly FIRST_ROW=(60 140)
# 閉じる, from the window's bottom-right corner.
readonly CLOSE_FROM_CORNER=(59 23)

# The main window's deck band: family, model, thickness, coating and unit weight.
deck_band() {
  import -window "$MAIN_WIN" -crop 430x110+95+10 +repage "$1" 2>/dev/null ||
    e2e_fail "no picture of the deck band"
}

open_comparison() {
  e2e_click "$MAIN_WIN" "${COMPARISON_BUTTON[@]}"
  e2e_wait_window "$COMPARISON_CAPTION"
}

calculate_and_close_result() {
  e2e_click "$MAIN_WIN" "${CALCULATE_BUTTON[@]}"
  local result
  result=$(e2e_wait_window "$RESULT_CAPTION") || exit 1
  e2e_focus "$result"
  e2e_key ctrl+z
  e2e_wait_gone "$RESULT_CAPTION"
  e2e_wait_window "$MAIN_CAPTION" >/dev/null || exit 1
}

e2e_start_display
e2e_start_korvane "$korvane"
deck_band "$E2E_TMP/before.png"

comparison=$(open_comparison) || exit 1
e2e_double_click "$comparison" "${FIRST_ROW[@]}"
e2e_wait_gone "$COMPARISON_CAPTION"
sleep 0.2
deck_band "$E2E_TMP/taken.png"
[ "$(e2e_pixels_differing "$E2E_TMP/before.png" "$E2E_TMP/taken.png")" != 0 ] ||
  e2e_fail "the deck band did not change after taking a deck"
calculate_and_close_result

comparison=$(open_comparison) || exit 1
width=$(xwininfo -id "$comparison" | awk '/Width/ {print $2}')
height=$(xwininfo -id "$comparison" | awk '/Height/ {print $2}')
e2e_click "$comparison" $((width - CLOSE_FROM_CORNER[0])) $((height - CLOSE_FROM_CORNER[1]))
e2e_wait_gone "$COMPARISON_CAPTION"
sleep 0.2
deck_band "$E2E_TMP/closed.png"
[ "$(e2e_pixels_differing "$E2E_TMP/taken.png" "$E2E_TMP/closed.png")" = 0 ] ||
  e2e_fail "closing the comparison changed the deck band"
calculate_and_close_result
echo "ok"
