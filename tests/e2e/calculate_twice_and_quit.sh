#!/usr/bin/env bash
# The plainest route: calculate, close the result with Ctrl+Z, calculate again, close it with
# its title bar's close box, and end the program with 終　了.
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1

e2e_start_display
e2e_start_korvane "$korvane"

e2e_click "$MAIN_WIN" "${CALCULATE_BUTTON[@]}"
result=$(e2e_wait_window "$RESULT_CAPTION") || exit 1
e2e_window_shown "$MAIN_CAPTION" && e2e_fail "the main window stays on screen beside the result"
e2e_focus "$result"
e2e_key ctrl+z
e2e_wait_gone "$RESULT_CAPTION"
e2e_wait_window "$MAIN_CAPTION" >/dev/null || exit 1

e2e_click "$MAIN_WIN" "${CALCULATE_BUTTON[@]}"
result=$(e2e_wait_window "$RESULT_CAPTION") || exit 1
e2e_click_close_box "$result"
e2e_wait_gone "$RESULT_CAPTION"
e2e_wait_window "$MAIN_CAPTION" >/dev/null || exit 1

e2e_click "$MAIN_WIN" "${QUIT_BUTTON[@]}"
e2e_wait_program_ended
echo "ok"
