#!/usr/bin/env bash
# The span field as a user types into it: a value the calculate command corrects is replaced
# by what is typed next, the Up and Down keys step it like its arrows; and the file dialogs,
# closed with Return after a typed name, leave nothing on the screen that takes the next
# click. The field is read back through the saved file (line 7 is the span).
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1

readonly SPAN_FIELD=(141 176)
readonly OPEN_CAPTION="開く"

# The span line of a saved data file.
saved_span() {
  sed -n 7p "$1" | tr -d '\r'
}

e2e_start_display
e2e_start_korvane "$korvane"

# 999 is below the calculable span: the message names it and the field becomes 1000,
# selected, so that 2000 replaces it.
e2e_click "$MAIN_WIN" "${SPAN_FIELD[@]}"
e2e_key ctrl+a
e2e_type "999"
e2e_click "$MAIN_WIN" "${CALCULATE_BUTTON[@]}"
e2e_wait_focused_window "$MESSAGE_CAPTION" >/dev/null || exit 1
e2e_key Return
e2e_wait_gone "$MESSAGE_CAPTION"
e2e_wait_focus "$MAIN_WIN"
e2e_type "2000"
e2e_key Up Up Up Down
e2e_save_as "first.fdt"
span=$(saved_span "$E2E_TMP/first.fdt")
[ "$span" = "2020" ] || e2e_fail "span after correction, typing and keys: $span, not 2020"

# Open by typing the file's name and Return while its completion is listed, then click the
# span field at once and type: the click must reach the field.
e2e_click "$MAIN_WIN" "${OPEN_BUTTON[@]}"
e2e_wait_focused_window "$OPEN_CAPTION" >/dev/null || exit 1
e2e_type "first.fdt"
sleep 0.3 # the completion list shows
e2e_key Return
e2e_wait_gone "$OPEN_CAPTION"
e2e_wait_window "Korvane for Win [$E2E_TMP/first.fdt]" >/dev/null || exit 1
e2e_click "$MAIN_WIN" "${SPAN_FIELD[@]}"
e2e_key ctrl+a
e2e_type "3000"
e2e_key Down
e2e_save_as "second.fdt"
span=$(saved_span "$E2E_TMP/second.fdt")
[ "$span" = "2990" ] || e2e_fail "span typed after opening a file: $span, not 2990"
echo "ok"
