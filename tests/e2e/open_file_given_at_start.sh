#!/usr/bin/env bash
# Opening a case from the desktop: "korvane FILE.fdt", as a file manager starts it on a
# double click. The file's case must be what the window shows: saving it unchanged under
# another name gives the same bytes. A damaged file opens with one warning naming it.
# (A drop from a file manager cannot be driven with xdotool; the window tests send the
# drop events themselves.)
source "$(dirname "$0")/e2e_lib.sh"
korvane=$1

case_file="$E2E_TMP/倉庫棟.fdt"
printf 'korvane 3.6\r\n0\r\n2\r\n1\r\n0\r\n150\r\n3200\r\n2\r\n5\r\n5\r\n180\r\n2000\r\n500\r\n' \
  >"$case_file"
printf '\x91\x71\x8c\xc9\x93\x8f\r\n0\r\n\x81\x7c\x82\x50\x81\x7c\r\n' >>"$case_file" # 倉庫棟 0 －１－

# Starts the program with the file and waits for its main window named after the file.
start_with_file() {
  e2e_launch_korvane "$korvane" "$1"
  MAIN_WIN=$(e2e_wait_window "Korvane for Win [$1]") || exit 1
}

e2e_start_display
start_with_file "$case_file"
e2e_window_shown "$MESSAGE_CAPTION" && e2e_fail "a complete file raised a message"

# Save unchanged under another name: the save dialog proposes the opened file's name in
# its folder; a full path typed into the name field replaces it.
e2e_click "$MAIN_WIN" "${SAVE_BUTTON[@]}"
e2e_wait_focused_window "$SAVE_CAPTION" >/dev/null || exit 1
e2e_key ctrl+a
e2e_type "$E2E_TMP/saved.fdt"
e2e_key Return
e2e_wait_gone "$SAVE_CAPTION"
for _ in $(seq 100); do
  [ -s "$E2E_TMP/saved.fdt" ] && break
  sleep 0.05
done
cmp "$case_file" "$E2E_TMP/saved.fdt" || e2e_fail "the window did not show the file's case"

e2e_click "$MAIN_WIN" "${QUIT_BUTTON[@]}"
e2e_wait_program_ended

# A file cut after its slab line opens with one warning that names the file.
head -c 50 "$case_file" >"$E2E_TMP/cut.fdt"
start_with_file "$E2E_TMP/cut.fdt"
box=$(e2e_wait_window "$MESSAGE_CAPTION") || exit 1
e2e_shot "$box" "$E2E_TMP/warning.png"
[ -n "${E2E_SHOTS:-}" ] && cp "$E2E_TMP/warning.png" "$E2E_SHOTS/"
e2e_focus "$box"
e2e_key Return
e2e_wait_gone "$MESSAGE_CAPTION"
e2e_click "$MAIN_WIN" "${QUIT_BUTTON[@]}"
e2e_wait_program_ended
echo "ok"
