#!/usr/bin/env bash
# The deck tables' 印刷 and CSV出力 through the real dialogs: the span table's print dialog
# cancelled leaves the table open and writes nothing; its CSV saved under a typed name starts
# with the UTF-8 byte-order mark, is headed with the table's name and the date and is the very
# file korvane-calc --csv writes for the case on that date; the comparison printed to the print
# dialog's file output is an archival one-page PDF named after the table. 計　算 still works.
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1
calc=$2

readonly SPAN_TABLE_BUTTON=(590 247)
readonly COMPARISON_BUTTON=(590 275)
readonly SPAN_TABLE_CAPTION="Korvane for Win [ 最大スパン表 ]"
readonly COMPARISON_CAPTION="Korvane for Win [ デッキ比較 ]"
readonly PRINT_DIALOG_CAPTION="印刷"
readonly CSV_DIALOG_CAPTION="CSV出力"
# In the span table's client area: 印刷, CSV出力, 閉じる.
readonly SPAN_PRINT_BUTTON=(58 616)
readonly SPAN_CSV_BUTTON=(161 616)
readonly SPAN_CLOSE_BUTTON=(948 616)
# 印刷 and 閉じる of the comparison, from its client area's bottom-right corner.
readonly COMPARISON_PRINT_FROM_CORNER=(263 23)
readonly COMPARISON_CLOSE_FROM_CORNER=(59 23)

wait_for_file() {
  for _ in $(seq 100); do
    [ -s "$1" ] && return 0
    sleep 0.05
  done
  e2e_fail "no file $1"
}

e2e_start_display
e2e_start_korvane "$korvane"

table=$(e2e_click "$MAIN_WIN" "${SPAN_TABLE_BUTTON[@]}"; e2e_wait_window "$SPAN_TABLE_CAPTION") ||
  exit 1
e2e_click "$table" "${SPAN_PRINT_BUTTON[@]}"
dialog=$(e2e_wait_window "$PRINT_DIALOG_CAPTION") || exit 1
e2e_focus "$dialog"
e2e_key Escape
e2e_wait_gone "$PRINT_DIALOG_CAPTION"
e2e_window_shown "$SPAN_TABLE_CAPTION" || e2e_fail "cancelling the print closed the table"
[ -e "$E2E_TMP/print.pdf" ] && e2e_fail "a cancelled print wrote a file"

e2e_click "$table" "${SPAN_CSV_BUTTON[@]}"
dialog=$(e2e_wait_window "$CSV_DIALOG_CAPTION") || exit 1
e2e_focus "$dialog"
e2e_key ctrl+a
e2e_type "spans.csv"
e2e_key Return
e2e_wait_gone "$CSV_DIALOG_CAPTION"
wait_for_file "$E2E_TMP/spans.csv"
[ "$(head -c 3 "$E2E_TMP/spans.csv" | od -An -tx1 | tr -d ' ')" = efbbbf ] ||
  e2e_fail "the CSV file does not start with the byte-order mark"
grep -q "^PX75LA-07,111," "$E2E_TMP/spans.csv" || e2e_fail "no PX75LA-07 row in the CSV file"
date=$(head -n 1 "$E2E_TMP/spans.csv" | tr -d '\r' | sed -n 's|^\xEF\xBB\xBF最大スパン表,\([0-9]\{4\}/[0-9][0-9]/[0-9][0-9]\)$|\1|p')
[ -n "$date" ] || e2e_fail "the CSV file is not headed with the table's name and the date"
"$calc" --span-table --csv --date "$date" | cmp -s - "$E2E_TMP/spans.csv" ||
  e2e_fail "the window's CSV file differs from korvane-calc --csv for the same case"
e2e_click "$table" "${SPAN_CLOSE_BUTTON[@]}"
e2e_wait_gone "$SPAN_TABLE_CAPTION"

comparison=$(e2e_click "$MAIN_WIN" "${COMPARISON_BUTTON[@]}"
             e2e_wait_window "$COMPARISON_CAPTION") || exit 1
width=$(xwininfo -id "$comparison" | awk '/Width/ {print $2}')
height=$(xwininfo -id "$comparison" | awk '/Height/ {print $2}')
e2e_click "$comparison" $((width - COMPARISON_PRINT_FROM_CORNER[0])) \
  $((height - COMPARISON_PRINT_FROM_CORNER[1]))
dialog=$(e2e_wait_window "$PRINT_DIALOG_CAPTION") || exit 1
e2e_focus "$dialog"
# The dialog offers the file output under the user's home folder (here the test's own).
e2e_key Return
e2e_wait_gone "$PRINT_DIALOG_CAPTION"
wait_for_file "$E2E_TMP/print.pdf"
sleep 0.2
[ "$(pdfinfo "$E2E_TMP/print.pdf" | sed -n 's/^Pages: *//p')" = 1 ] || e2e_fail "not one page"
[ "$(pdfinfo "$E2E_TMP/print.pdf" | sed -n 's/^Title: *//p')" = "デッキ比較" ] ||
  e2e_fail "the printed comparison is not titled デッキ比較"
pdfinfo -meta "$E2E_TMP/print.pdf" | grep -q 'pdfaid:part="1"' ||
  e2e_fail "the printed comparison does not claim PDF/A-1b"
pdftotext -layout "$E2E_TMP/print.pdf" - | grep -q "PX75LA-07" ||
  e2e_fail "the printed comparison lacks its decks"
e2e_click "$comparison" $((width - COMPARISON_CLOSE_FROM_CORNER[0])) \
  $((height - COMPARISON_CLOSE_FROM_CORNER[1]))
e2e_wait_gone "$COMPARISON_CAPTION"

e2e_click "$MAIN_WIN" "${CALCULATE_BUTTON[@]}"
e2e_wait_window "$RESULT_CAPTION" >/dev/null || exit 1
echo "ok"
