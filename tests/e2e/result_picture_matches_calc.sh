#!/usr/bin/env bash
# The result window's sheet is, pixel for pixel, the picture korvane-calc --png draws for
# the same case, on the first calculation and on the next one.
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1
korvane_calc=$2

e2e_start_display
e2e_start_korvane "$korvane"
"$korvane_calc" --png "$E2E_TMP/calc.png" >/dev/null || e2e_fail "korvane-calc --png failed"

# Crops the part of the sheet the window shows (its top left, under the menu and tool bar)
# from a screenshot of the result window, and the same part from korvane-calc's picture.
# The picture's top edge is the first black row under the tool bar.
compare_with_calc() {
  local result=$1 run=$2 shot="$E2E_TMP/window-$2.png" top
  e2e_shot "$result" "$shot"
  top=$(convert "$shot" -crop 1x120+300+0 +repage txt:- |
    awk -F'[,:]' '/#000000/ {print $2; exit}')
  [ -n "$top" ] || e2e_fail "no sheet picture in the result window (run $run)"
  local width=560 height=670
  convert "$shot" -crop "${width}x${height}+0+${top}" +repage "$E2E_TMP/shown-$run.png"
  convert "$E2E_TMP/calc.png" -crop "${width}x${height}+0+0" +repage "$E2E_TMP/drawn.png"
  local differing
  differing=$(e2e_pixels_differing "$E2E_TMP/shown-$run.png" "$E2E_TMP/drawn.png")
  [ "$differing" = 0 ] ||
    e2e_fail "run $run: the window's sheet differs from korvane-calc's in $differing pixels"
}

for run in 1 2; do
  e2e_click "$MAIN_WIN" "${CALCULATE_BUTTON[@]}"
  result=$(e2e_wait_window "$RESULT_CAPTION") || exit 1
  sleep 0.2 # the first paint
  compare_with_calc "$result" "$run"
  e2e_focus "$result"
  e2e_key ctrl+z
  e2e_wait_gone "$RESULT_CAPTION"
  e2e_wait_window "$MAIN_CAPTION" >/dev/null || exit 1
done
echo "ok"
