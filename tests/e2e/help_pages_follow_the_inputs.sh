#!/usr/bin/env bash
# The help window a user switches on and then follows through the input bands: "HELP ON"
# shows the deck page of the window's deck family, and touching a control of another band
# shows that band's page, each picture drawn (not the bare background) from its top, down to
# its end when scrolled with the wheel. "HELP OFF" hides the window again.
# With HELP_SHOTS set to a folder, each page is kept there as PNG screenshots (top and
# scrolled), so that the pictures of two builds can be compared pixel for pixel.
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1

readonly HELP_BUTTON=(590 370)
readonly RIDGE_DECK_OPTION=(129 49)
readonly PX_DECK_OPTION=(129 71)
readonly SPAN_FIELD=(139 176)
readonly ALPHA_CLASS_1_OPTION=(225 238)
readonly SLAB_THICKNESS_FIELD=(405 313)
readonly OTHER_LOAD_FIELD=(375 384)
readonly HELP_BACKGROUND="#F0F2F2"

# Pixels of the help window's picture area that are not the background colour.
drawn_pixels() {
  local shot=$1
  convert "$shot" -crop 437x300+0+0 +repage -fill black +opaque "$HELP_BACKGROUND" \
    -format '%[fx:int(mean*w*h+0.5)]' info: |
    awk -v all=$((437 * 300)) '{ print all - $1 }'
}

# Checks the page shown under CAPTION and keeps its screenshots as NAME-*.png: the top, and
# after each ten wheel notches down until the picture's end.
check_page() {
  local caption=$1 name=$2 notches=$3 win shot drawn step
  win=$(e2e_wait_window "$caption") || exit 1
  sleep 0.3 # the picture is drawn once the window shows
  shot=$E2E_TMP/$name-0.png
  e2e_shot "$win" "$shot"
  drawn=$(drawn_pixels "$shot")
  [ "${drawn:-0}" -gt 5000 ] || e2e_fail "the page \"$caption\" shows no picture ($drawn pixels)"
  for step in $(seq "$notches"); do
    xdotool mousemove --window "$win" 200 300 click --repeat 10 --delay 20 5
    sleep 0.2
    e2e_shot "$win" "$E2E_TMP/$name-$step.png"
  done
  if [ -n "${HELP_SHOTS:-}" ]; then
    mkdir -p "$HELP_SHOTS"
    cp "$E2E_TMP/$name"-*.png "$HELP_SHOTS/"
  fi
}

e2e_start_display
e2e_start_korvane "$korvane"
# The help window opens at the screen's top left; the main window moves clear of it, so that
# the clicks below reach the main window's controls.
xdotool windowmove "$MAIN_WIN" 480 300
sleep 0.3

# The first filling shows the PXリッジデッキ family, whose page is the longest picture.
e2e_click "$MAIN_WIN" "${HELP_BUTTON[@]}"
check_page "デッキ種類" deck-ridge 1
e2e_click "$MAIN_WIN" "${PX_DECK_OPTION[@]}"
sleep 0.3
check_page "デッキ種類" deck-px 1
e2e_click "$MAIN_WIN" "${SPAN_FIELD[@]}"
check_page "スパン" span 1
e2e_click "$MAIN_WIN" "${ALPHA_CLASS_1_OPTION[@]}"
check_page "支持梁/施工状況" beam 1
e2e_click "$MAIN_WIN" "${SLAB_THICKNESS_FIELD[@]}"
check_page "コンクリート" concrete 1
e2e_click "$MAIN_WIN" "${OTHER_LOAD_FIELD[@]}"
check_page "荷　重" loads 1

# The first deck page shown again is drawn as the first time, from its top.
e2e_click "$MAIN_WIN" "${RIDGE_DECK_OPTION[@]}"
win=$(e2e_wait_window "デッキ種類") || exit 1
sleep 0.3
e2e_shot "$win" "$E2E_TMP/deck-ridge-again.png"
[ "$(e2e_pixels_differing "$E2E_TMP/deck-ridge-0.png" "$E2E_TMP/deck-ridge-again.png")" = 0 ] ||
  e2e_fail "the deck page drawn a second time differs from the first"

e2e_click "$MAIN_WIN" "${HELP_BUTTON[@]}"
e2e_wait_gone "デッキ種類"
echo "help pages shown and drawn"
