#!/usr/bin/env bash
# The result window's 印刷 through the real print dialog, left at its file output
# ("PDF ファイルに出力"): the file written is archival (PDF/A-1b metadata, fonts embedded,
# searchable), is named after the case and holds the text korvane-calc --pdf writes for the
# same case.
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1
korvane_calc=$2

readonly PRINT_TOOL=(25 28)
readonly PRINT_DIALOG_CAPTION="印刷"

e2e_start_display
e2e_start_korvane "$korvane"
e2e_click "$MAIN_WIN" "${CALCULATE_BUTTON[@]}"
result=$(e2e_wait_window "$RESULT_CAPTION") || exit 1
e2e_click "$result" "${PRINT_TOOL[@]}"
dialog=$(e2e_wait_window "$PRINT_DIALOG_CAPTION") || exit 1
e2e_focus "$dialog"
# The dialog offers the file output under the user's home folder (here the test's own).
e2e_key Return
e2e_wait_gone "$PRINT_DIALOG_CAPTION"
printed="$E2E_TMP/print.pdf"
for _ in $(seq 100); do
  [ -s "$printed" ] && break
  sleep 0.05
done
[ -s "$printed" ] || e2e_fail "the print dialog's file output wrote no $printed"
e2e_wait_window "$RESULT_CAPTION" >/dev/null || exit 1

meta=$(pdfinfo -meta "$printed" 2>/dev/null)
grep -q 'pdfaid:part="1"' <<<"$meta" && grep -q 'pdfaid:conformance="B"' <<<"$meta" ||
  e2e_fail "the printed PDF does not claim PDF/A-1b: $meta"
title=$(pdfinfo "$printed" 2>/dev/null | sed -n 's/^Title: *//p')
[ "$title" = "フラットデッキ構造計算" ] || e2e_fail "document title \"$title\""
fonts=$(pdffonts "$printed" 2>/dev/null | tail -n +3)
[ -n "$fonts" ] || e2e_fail "the printed PDF has no font"
awk '$(NF-4) != "yes" || $(NF-2) != "yes" {exit 1}' <<<"$fonts" ||
  e2e_fail "a font is not embedded or not searchable: $fonts"

# The same text as korvane-calc's page, but for the footer's date, which is today's in both.
"$korvane_calc" --pdf "$E2E_TMP/calc.pdf" >/dev/null || e2e_fail "korvane-calc --pdf failed"
without_date() { pdftotext -raw "$1" - | grep -v 'Ａｒｖｅｌ株式会社 \['; }
diff <(without_date "$printed") <(without_date "$E2E_TMP/calc.pdf") ||
  e2e_fail "the printed page's text differs from korvane-calc's"
grep -q "スパンL＝2500" <(without_date "$printed") || e2e_fail "no sheet text in the PDF"
echo "ok"
