#!/usr/bin/env bash
# Typed text survives a kill: a few seconds after typing, the program is
# killed with SIGKILL; the next start offers the text back ("Найден
# несохранённый текст ... Восстановить?"), and Yes brings the exact text back,
# modified, under the file's name. Killed again, the next start's No removes
# the copy, and the start after that asks nothing. Needs DISPLAY and
# WINEPREFIX (scripts/test.sh provides both).
#
#   recovery_after_kill.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

# Starts the program, which asks first; answers the box with the key $1 and
# waits for the main window.
start_answering() {
  WINEDEBUG=-all wine "$exe" >/dev/null 2>&1 &
  pid=$!
  answer_box "Velbrin Tarnpad" "$1"
  window=$(find_main_window "$pid")
}

kill_program() {
  kill -KILL "$pid"
  wait "$pid" 2>/dev/null || true
  pid=
}

printf 'base' >"$work/doc.txt"
doc=$(windows_path "$work/doc.txt")
start_program "$exe" "$doc"
click_into "$window"
xdotool key --delay 50 ctrl+End
xdotool type --delay 50 ' lost'
sleep 5  # the copy follows the first edit within three seconds
kill_program

start_answering y
expect_caption "Velbrin Tarnpad - $doc" "the restored text is not under its file's name"
click_into "$window"
xdotool key --delay 50 ctrl+a ctrl+c
expect_clipboard 'base lost' "Yes did not bring the exact text back"
expect_file_bytes "$work/doc.txt" 'base' "the restore wrote the file"
sleep 1
kill_program

start_answering n
click_into "$window"
xdotool key --delay 50 alt+F4
expect_program_ends "No left modified text behind"

# No box stands in the way: the keys reach the editor at once.
start_program "$exe"
click_into "$window"
xdotool type --delay 50 'fresh'
xdotool key --delay 50 ctrl+a ctrl+c
expect_clipboard 'fresh' "the start after No asked again"
echo "typed text came back after a kill; No removed it for good"
