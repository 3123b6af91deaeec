#!/usr/bin/env bash
# Inputs a user enters from the keyboard: "その他" chosen with the Down key takes the digits
# typed next; a work load of three digits is refused with the field focused and its text
# selected, so that the four digits typed next replace it; the concrete kinds are reached
# with Tab and chosen with the arrows, and 計　算 then calculates the lightweight case. Each
# step is read back through a saved file and korvane-calc's reading of it.
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1
calc=$2

readonly STANDARD_WORK_LOAD_OPTION=(153 371)
readonly STEEL_BEAM_OPTION=(150 238)

# A field of the case korvane-calc reads from a saved file ("record" of its JSON).
saved_value() {
  "$calc" --json "$E2E_TMP/$1" 2>/dev/null |
    python3 -c 'import json,sys; print(json.loads(sys.stdin.readline())["record"][sys.argv[1]])' "$2"
}

e2e_start_display
e2e_start_korvane "$korvane"

# "その他" by the Down key on the 1470 option: the digits go into the field.
e2e_click "$MAIN_WIN" "${STANDARD_WORK_LOAD_OPTION[@]}"
e2e_key Down
e2e_type "2000"
e2e_save_as "other.fdt"
[ "$(saved_value other.fdt workLoadValue)" = 2000 ] ||
  e2e_fail "work load after Down and 2000: $(saved_value other.fdt workLoadValue)"

# Three digits: refused; the field keeps the focus with its text selected.
e2e_click "$MAIN_WIN" "${STANDARD_WORK_LOAD_OPTION[@]}"
e2e_key Down
e2e_key ctrl+a
e2e_type "500"
e2e_click "$MAIN_WIN" "${CALCULATE_BUTTON[@]}"
e2e_wait_focused_window "$MESSAGE_CAPTION" >/dev/null || exit 1
e2e_key Return
e2e_wait_gone "$MESSAGE_CAPTION"
e2e_wait_focus "$MAIN_WIN"
e2e_type "3000"
e2e_save_as "short.fdt"
[ "$(saved_value short.fdt workLoadValue)" = 3000 ] ||
  e2e_fail "work load after the refusal and 3000: $(saved_value short.fdt workLoadValue)"

# Tab from the class options reaches the concrete kinds; each Right chooses the next kind:
# 軽量２種 is code 6.
e2e_click "$MAIN_WIN" "${STEEL_BEAM_OPTION[@]}"
e2e_key Tab Right Right
e2e_save_as "light.fdt"
[ "$(saved_value light.fdt concreteKind)" = 6 ] ||
  e2e_fail "concrete kind after Tab, Right, Right: $(saved_value light.fdt concreteKind)"

e2e_click "$MAIN_WIN" "${CALCULATE_BUTTON[@]}"
result=$(e2e_wait_window "$RESULT_CAPTION") || exit 1
e2e_focus "$result"
e2e_key ctrl+z
e2e_wait_gone "$RESULT_CAPTION"
echo "ok"
