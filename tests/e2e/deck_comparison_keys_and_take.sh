#!/usr/bin/env bash
# The deck comparison with the keyboard: after CSV出力 and 印刷, each cancelled, the table
# still has the keys (Down moves, Return takes the row and closes the window). A row that
# needs more shoring than the case has brings its least shoring along, so that 計　算 with
# the taken deck passes every check (read back through a saved file and korvane-calc).
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1
calc=$2

readonly COMPARISON_CAPTION="Korvane for Win [ デッキ比較 ]"
readonly COMPARISON_BUTTON=(590 275)
readonly SPAN_FIELD=(141 176)
readonly FIRST_ROW=(60 140)
# 印刷 and CSV出力, from the window's bottom-right corner.
readonly PRINT_FROM_CORNER=(259 23)
readonly CSV_FROM_CORNER=(159 23)

click_from_corner() {
  local win=$1 dx=$2 dy=$3 width height
  width=$(xwininfo -id "$win" | awk '/Width/ {print $2}')
  height=$(xwininfo -id "$win" | awk '/Height/ {print $2}')
  e2e_click "$win" $((width - dx)) $((height - dy))
}

# Cancels the file or print dialog that the click opened: the one new window on top.
cancel_dialog() {
  local before=$1
  for _ in $(seq 200); do
    local now
    now=$(xdotool getactivewindow 2>/dev/null)
    if [ -n "$now" ] && [ "$now" != "$before" ]; then
      e2e_key Escape
      sleep 0.3
      return 0
    fi
    sleep 0.05
  done
  e2e_fail "no dialog opened"
}

e2e_start_display
e2e_start_korvane "$korvane"

# A span at which some decks need shoring, the case itself having none.
e2e_click "$MAIN_WIN" "${SPAN_FIELD[@]}"
e2e_key ctrl+a
e2e_type "3500"
e2e_save_as "case.fdt"

# The first row in the comparison's order that fails without shoring but passes with some.
row=$("$calc" --compare --json "$E2E_TMP/case.fdt" 2>/dev/null | python3 -c '
import json, sys
lines = [json.loads(line) for line in sys.stdin if line.strip()]
rows = [line for line in lines if "leastShoring" in line]
print(next(i for i, r in enumerate(rows) if not r["passes"] and r["leastShoring"] in (2, 3)))')
[ -n "$row" ] || e2e_fail "no row of the comparison needs shoring"

e2e_click "$MAIN_WIN" "${COMPARISON_BUTTON[@]}"
comparison=$(e2e_wait_window "$COMPARISON_CAPTION") || exit 1
e2e_click "$comparison" "${FIRST_ROW[@]}"
click_from_corner "$comparison" "${CSV_FROM_CORNER[@]}"
cancel_dialog "$comparison"
click_from_corner "$comparison" "${PRINT_FROM_CORNER[@]}"
cancel_dialog "$comparison"
e2e_window_shown "$COMPARISON_CAPTION" || e2e_fail "the comparison closed with a dialog"
for _ in $(seq "$row"); do
  e2e_key Down
done
e2e_key Return
e2e_wait_gone "$COMPARISON_CAPTION"

e2e_save_as "taken.fdt"
verdicts=$("$calc" --json "$E2E_TMP/taken.fdt" 2>/dev/null | python3 -c '
import json, sys
j = json.loads(sys.stdin.readline())
print(j["record"]["shoringCode"], all(c["passes"] for c in j["checks"] if c.get("applies", True)))')
case "$verdicts" in
  "2 True" | "3 True") ;;
  *) e2e_fail "taken row $row gave shoring and passing: $verdicts" ;;
esac
echo "ok"
