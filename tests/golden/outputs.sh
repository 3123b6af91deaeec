# Writes korvane-calc's outputs for every case in cases/ into a folder, one file per output:
#   NAME.screen.json, NAME.printer.json   the --json line (sheet items of each variant)
#   NAME.screen.drawlog, NAME.printer.drawlog   the canvas operations of each variant
#   NAME.pdf.txt                          the printed page's text (pdftotext -layout)
#   NAME.screen.png                       the screen picture, as the result window shows it
# A refused case has only its JSON. Each case is given by its name alone, from inside
# cases/, so that the "file" of the JSON does not depend on where the checkout is.
# Sourced by check.sh and regenerate.sh.
#
# Usage: write_golden_outputs KORVANE_CALC OUT_DIR

GOLDEN_CASES_DIR="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/cases"
GOLDEN_DATE="2026/12/10" # the footer's date: fixed so that the page text is repeatable

write_golden_outputs() {
  local calc="$1" out="$2" file name status
  mkdir -p "$out"
  out="$(cd "$out" && pwd)"
  calc="$(cd "$(dirname "$calc")" && pwd)/$(basename "$calc")"
  cd "$GOLDEN_CASES_DIR" || return 1
  for file in *.fdt; do
    name="$(basename "$file" .fdt)"
    for target in screen printer; do
      status=0
      "$calc" --json --target "$target" --date "$GOLDEN_DATE" "$file" \
        >"$out/$name.$target.json" || status=$?
      [ "$status" -eq 2 ] && continue 2 # refused: no sheet to draw or print
      [ "$status" -eq 0 ] || { echo "korvane-calc failed ($status) on $file" >&2; return 1; }
      "$calc" --draw-log --target "$target" --date "$GOLDEN_DATE" "$file" \
        >"$out/$name.$target.drawlog" || return 1
    done
    "$calc" --png "$out/$name.screen.png" "$file" >/dev/null || return 1
    "$calc" --pdf "$out/$name.pdf" --date "$GOLDEN_DATE" "$file" >/dev/null || return 1
    pdftotext -layout "$out/$name.pdf" "$out/$name.pdf.txt" || return 1
    rm "$out/$name.pdf"
  done
  cd - >/dev/null || return 1
}
