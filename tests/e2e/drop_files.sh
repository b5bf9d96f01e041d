#!/usr/bin/env bash
# Files dragged from a file manager and dropped on the window: the question
# over modified text comes first, then the first of them opens as through
# Open. Needs DISPLAY and WINEPREFIX (scripts/test.sh provides both).
#
#   drop_files.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

printf 'first' >"$work/first.txt"
printf 'dropped' >"$work/a.txt"
printf 'second' >"$work/b.txt"
start_program "$exe" "$(windows_path "$work/first.txt")"
click_into "$window"
xdotool key --delay 50 ctrl+End
xdotool type --delay 50 ' typed'

/usr/bin/python3 "$(dirname "$0")/xdnd_drop.py" "$window" 400 300 "$work/a.txt" "$work/b.txt" &
answer_box "Velbrin Tarnpad - first.txt" n
wait $! || e2e_fail "the window did not take the drop"
sleep 0.5
expect_caption "Velbrin Tarnpad - $(windows_path "$work/a.txt")" "the drop did not open the first file"
click_into "$window"
xdotool key --delay 50 ctrl+a ctrl+c
expect_clipboard 'dropped' "the dropped file's text is not in the editor"
expect_file_bytes "$work/first.txt" 'first' "No to the question wrote the file"
echo "files dropped on the window opened the first after the question"
