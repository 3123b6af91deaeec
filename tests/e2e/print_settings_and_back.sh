#!/usr/bin/env bash
# The print settings opened from the result window, by its tool bar and by its menu, closed
# with 設　定 and with キャンセル; then the result window closed with 閉じる, Ctrl+Z and its
# menu. Each time the result window comes back alone, the main window returns only when the
# result window closes, and the main window works afterwards: it calculates again and
# 終　了 ends the program.
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1

# Points in the result window's client area and in the print settings window.
readonly SETTINGS_MENU=(108 7)
readonly FILE_MENU=(30 7)
readonly FILE_MENU_QUIT=(52 49)
readonly SETTINGS_TOOL=(512 28)
readonly CLOSE_TOOL=(124 28)
readonly SETTINGS_OK=(350 129)
readonly SETTINGS_CANCEL=(419 129)

e2e_start_display
e2e_start_korvane "$korvane"

# Opens the print settings from the result window by `route` (menu or tool bar), closes
# them with `button`, and checks that the result window is back with the main window hidden.
settings_and_back() {
  local result=$1 route=$2 button=$3
  if [ "$route" = menu ]; then
    e2e_click "$result" "${SETTINGS_MENU[@]}"
  else
    e2e_click "$result" "${SETTINGS_TOOL[@]}"
  fi
  local settings
  settings=$(e2e_wait_window "$PRINT_SETTINGS_CAPTION") || exit 1
  e2e_window_shown "$MAIN_CAPTION" && e2e_fail "main window shown beside the print settings"
  if [ "$button" = ok ]; then
    e2e_click "$settings" "${SETTINGS_OK[@]}"
  else
    e2e_click "$settings" "${SETTINGS_CANCEL[@]}"
  fi
  e2e_wait_gone "$PRINT_SETTINGS_CAPTION"
  e2e_wait_window "$RESULT_CAPTION" >/dev/null || exit 1
  sleep 0.3 # a main window coming back wrongly would show by now
  e2e_window_shown "$MAIN_CAPTION" &&
    e2e_fail "main window came back behind the result window ($route, $button)"
  return 0
}

calculate() {
  e2e_click "$MAIN_WIN" "${CALCULATE_BUTTON[@]}"
  e2e_wait_window "$RESULT_CAPTION"
}

back_to_main() {
  e2e_wait_gone "$RESULT_CAPTION"
  e2e_wait_window "$MAIN_CAPTION" >/dev/null || exit 1
}

result=$(calculate) || exit 1
settings_and_back "$result" "tool bar" ok
result=$(e2e_wait_window "$RESULT_CAPTION") || exit 1
e2e_click "$result" "${CLOSE_TOOL[@]}"
back_to_main

result=$(calculate) || exit 1
settings_and_back "$result" menu cancel
result=$(e2e_wait_window "$RESULT_CAPTION") || exit 1
e2e_focus "$result"
e2e_key ctrl+z
back_to_main

result=$(calculate) || exit 1
settings_and_back "$result" "tool bar" cancel
settings_and_back "$result" menu ok
result=$(e2e_wait_window "$RESULT_CAPTION") || exit 1
e2e_click "$result" "${FILE_MENU[@]}"
sleep 0.2
e2e_click "$result" "${FILE_MENU_QUIT[@]}"
back_to_main

# The main window still works: it calculates, and 終　了 ends the program.
result=$(calculate) || exit 1
e2e_click "$result" "${CLOSE_TOOL[@]}"
back_to_main
e2e_click "$MAIN_WIN" "${QUIT_BUTTON[@]}"
e2e_wait_program_ended
echo "ok"
