# Shared steps of the end-to-end tests: a private X server with a small window manager, the
# real program started as a returning user, and real input events through xdotool.
#
# Source it from a test script:
#   source "$(dirname "$0")/e2e_lib.sh"
#   e2e_start_display            # Xvfb + openbox, DISPLAY exported; all is stopped on exit
#   e2e_start_korvane "$KORVANE" # waits for the filled main window; sets KORVANE_PID, MAIN_WIN
#   e2e_click "$MAIN_WIN" 580 40 # a real click at a point of the window
#   win=$(e2e_wait_window "Korvane for Win [ 計算結果の表示 ]")
#
# Needs Xvfb, openbox, xdotool, xwininfo (x11-utils) and import/compare (imagemagick).

set -uo pipefail

readonly MAIN_CAPTION="フラットデッキ構造計算プログラム"
readonly RESULT_CAPTION="Korvane for Win [ 計算結果の表示 ]"
readonly MESSAGE_CAPTION="Korvane for Win"
readonly PRINT_SETTINGS_CAPTION="印刷用設定"
readonly SAVE_CAPTION="名前を付けて保存"

# Centres of the main window's command buttons, in its client area.
readonly CALCULATE_BUTTON=(590 121)
readonly OPEN_BUTTON=(590 149)
readonly SAVE_BUTTON=(590 177)
readonly QUIT_BUTTON=(590 205)

E2E_TMP=$(mktemp -d)
E2E_PIDS=()
DISPLAY_NUMBER=""
KORVANE_PID=""
MAIN_WIN=""

e2e_cleanup() {
  local pid
  for pid in "${E2E_PIDS[@]}"; do
    kill "$pid" 2>/dev/null
  done
  for pid in "${E2E_PIDS[@]}"; do
    wait "$pid" 2>/dev/null
  done
  rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

e2e_fail() {
  echo "FAIL: $*" >&2
  if [ -n "${DISPLAY:-}" ] && [ -n "${E2E_SHOTS:-}" ]; then
    import -window root "$E2E_SHOTS/failure-$(date +%s%N).png" 2>/dev/null
  fi
  exit 1
}

# One try at starting Xvfb on a free display; Xvfb writes the display's number and a line
# end to a file once it accepts connections. Under load that can take seconds, so this waits
# up to 30 s, and gives up early when Xvfb ends. Sets DISPLAY_NUMBER; false when it failed.
e2e_try_xvfb() {
  local size=$1 log=$2 numberfile=$3
  : >"$numberfile"
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset \
    3>"$numberfile" >"$log" 2>&1 &
  local pid=$!
  E2E_PIDS+=("$pid")
  DISPLAY_NUMBER=""
  local text
  for _ in $(seq 300); do
    text=$(<"$numberfile")
    # A whole line: the file is longer than its text without the line end.
    if [[ $text =~ ^[0-9]+$ ]] && [ "$(stat -c %s "$numberfile")" -gt "${#text}" ]; then
      DISPLAY_NUMBER=$text
      return 0
    fi
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  return 1
}

# Starts Xvfb on a free display (size WIDTHxHEIGHT, default 1280x1024) and openbox on it.
# A failed start is tried once more; when both fail, Xvfb's log says why.
e2e_start_display() {
  local size=${1:-1280x1024} try
  for try in 1 2; do
    e2e_try_xvfb "$size" "$E2E_TMP/xvfb-$try.log" "$E2E_TMP/display-$try" && break
    echo "Xvfb did not start (try $try); its log:" >&2
    sed 's/^/  /' "$E2E_TMP/xvfb-$try.log" >&2
  done
  [ -n "$DISPLAY_NUMBER" ] || e2e_fail "Xvfb did not start"
  export DISPLAY=":$DISPLAY_NUMBER"
  openbox --sm-disable >"$E2E_TMP/openbox.log" 2>&1 &
  E2E_PIDS+=($!)
  # openbox owns the window manager selection once it is ready.
  for _ in $(seq 200); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
    sleep 0.05
  done
  cat "$E2E_TMP/openbox.log" >&2
  e2e_fail "openbox did not start"
}

# Prints the id of the viewable window with exactly that caption, waiting up to 10 s.
e2e_wait_window() {
  local caption=$1 id
  for _ in $(seq 200); do
    for id in $(xdotool search --onlyvisible --name "^$(e2e_regex "$caption")\$" 2>/dev/null); do
      echo "$id"
      return 0
    done
    if [ -n "$KORVANE_PID" ] && ! kill -0 "$KORVANE_PID" 2>/dev/null; then
      e2e_fail "the program ended while waiting for \"$caption\""
    fi
    sleep 0.05
  done
  e2e_fail "no window \"$caption\" appeared"
}

# Waits up to 10 s until the window has the keyboard focus. A window is on screen a moment
# before the window manager hands it the focus; keys sent in between would go to the window
# below, and on a busy machine that moment is long.
e2e_wait_focus() {
  local win=$1
  for _ in $(seq 200); do
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ] && return 0
    sleep 0.05
  done
  e2e_fail "the window $win did not get the keyboard focus"
}

# Like e2e_wait_window, and then waits until that window has the keyboard focus, so that
# keys can be sent to it.
e2e_wait_focused_window() {
  local win
  win=$(e2e_wait_window "$1") || exit 1
  e2e_wait_focus "$win"
  echo "$win"
}

# Waits up to 10 s until no viewable window has that caption.
e2e_wait_gone() {
  local caption=$1
  for _ in $(seq 200); do
    xdotool search --onlyvisible --name "^$(e2e_regex "$caption")\$" >/dev/null 2>&1 || return 0
    sleep 0.05
  done
  e2e_fail "the window \"$caption\" stayed on screen"
}

# Whether a viewable window with that caption is there now.
e2e_window_shown() {
  xdotool search --onlyvisible --name "^$(e2e_regex "$1")\$" >/dev/null 2>&1
}

# The caption as an extended regular expression matching it literally.
e2e_regex() {
  printf '%s' "$1" | sed -e 's/[][\.^$*+?(){}|]/\\&/g'
}

# Starts the program as a returning user (private APPDATA with the marker file), with the
# given arguments, without waiting for anything. Sets KORVANE_PID.
e2e_launch_korvane() {
  local program=$1
  shift
  local appdata="$E2E_TMP/appdata"
  mkdir -p "$appdata/Arvel_DeckPlate"
  printf '\x37\x01\x00\x00' >"$appdata/Arvel_DeckPlate/korvane.dat"
  # The print dialog offers only its file output: no print server is reachable (CUPS_SERVER
  # names a socket that does not exist, which outranks every client.conf), and no default
  # printer comes from the environment, so the machine's printers never take a page.
  env -u LPDEST -u PRINTER HOME="$E2E_TMP" APPDATA="$appdata" QT_QPA_PLATFORM=xcb \
    CUPS_SERVER="$E2E_TMP/no-print-server.sock" \
    "$program" "$@" >"$E2E_TMP/korvane.log" 2>&1 &
  KORVANE_PID=$!
  E2E_PIDS+=("$KORVANE_PID")
}

# Starts the program as a returning user and waits for the filled main window. Sets
# KORVANE_PID and MAIN_WIN.
e2e_start_korvane() {
  e2e_launch_korvane "$@"
  MAIN_WIN=$(e2e_wait_window "$MAIN_CAPTION") || exit 1
  e2e_wait_main_filled
}

# Waits for the main window's first filling: the thickness list, empty until then, shows
# "0.7" in white on navy.
e2e_wait_main_filled() {
  for _ in $(seq 100); do
    local white
    white=$(import -window "$MAIN_WIN" -crop 56x16+385+43 +repage txt:- 2>/dev/null |
      grep -ci '#FFFFFF')
    [ "${white:-0}" -ge 3 ] && return 0
    sleep 0.05
  done
  e2e_fail "the main window was not filled"
}

# Waits up to 10 s for the program to end; fails when it does not.
e2e_wait_program_ended() {
  for _ in $(seq 200); do
    kill -0 "$KORVANE_PID" 2>/dev/null || return 0
    sleep 0.05
  done
  e2e_fail "the program did not end"
}

# Real input events. Points are relative to the window's client area. No --sync: it waits
# for a pointer motion that never comes when the pointer is already there (15 s).
e2e_click() {
  local win=$1 x=$2 y=$3
  xdotool mousemove --window "$win" "$x" "$y" click 1
}

e2e_double_click() {
  local win=$1 x=$2 y=$3
  xdotool mousemove --window "$win" "$x" "$y" click --repeat 2 --delay 80 1
}

# Clicks the close box at the right end of the window's title bar, as drawn by openbox.
e2e_click_close_box() {
  local win=$1 x y width
  x=$(xwininfo -id "$win" | awk '/Absolute upper-left X/ {print $4}')
  y=$(xwininfo -id "$win" | awk '/Absolute upper-left Y/ {print $4}')
  width=$(xwininfo -id "$win" | awk '/Width/ {print $2}')
  xdotool mousemove $((x + width - 8)) $((y - 10)) click 1
}

# Presses keys (xdotool key names, e.g. Return, ctrl+z, Up) in the window that has the focus.
e2e_key() {
  xdotool key --delay 30 "$@"
}

# Types text into the window that has the focus.
e2e_type() {
  xdotool type --delay 30 "$1"
}

# Gives the window the input focus and waits until it has it.
e2e_focus() {
  local win=$1
  xdotool windowactivate --sync "$win" 2>/dev/null || xdotool windowfocus --sync "$win"
}

# Writes the window's client area as a PNG.
e2e_shot() {
  local win=$1 file=$2
  import -window "$win" "$file" 2>/dev/null || e2e_fail "no screenshot of window $win"
}

# How many pixels two pictures differ in (0 when equal).
e2e_pixels_differing() {
  compare -metric AE "$1" "$2" null: 2>&1 | cut -d' ' -f1
}

# Saves the case under NAME through 保　存's dialog (which starts in the home folder, the
# test's own) by typing the name, and waits for the file and for the main window to have
# the focus again.
e2e_save_as() {
  local name=$1
  e2e_click "$MAIN_WIN" "${SAVE_BUTTON[@]}"
  e2e_wait_focused_window "$SAVE_CAPTION" >/dev/null || exit 1
  e2e_key ctrl+a
  e2e_type "$name"
  e2e_key Return
  e2e_wait_gone "$SAVE_CAPTION"
  e2e_wait_focus "$MAIN_WIN"
  for _ in $(seq 100); do
    [ -s "$E2E_TMP/$name" ] && return 0
    sleep 0.05
  done
  e2e_fail "$name was not saved"
}
