#!/usr/bin/env bash
# Edits made with keys that deliver no character (Delete, Shift+Delete,
# Shift+Insert) count as edits: closing over them asks first, and Ctrl+S
# saves them. Text that is saved closes without a question.
# Needs DISPLAY and WINEPREFIX (scripts/test.sh provides both).
#
#   edits_ask_before_closing.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

printf 'keep me\r\n' >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"

xdotool key --delay 50 ctrl+Home Delete Delete Delete Delete Delete alt+F4
answer_box Confirm Escape
program_running || e2e_fail "the close over Delete edits asked nothing"
click_into "$window"
xdotool key --delay 50 ctrl+s
sleep 0.5
expect_file_bytes "$work/doc.txt" 'me\r\n' "Ctrl+S did not save the Delete edits"

# Cut the line with Shift+Delete, paste it twice with Shift+Insert.
xdotool key --delay 50 ctrl+Home shift+End shift+Delete shift+Insert shift+Insert alt+F4
answer_box Confirm Escape
program_running || e2e_fail "the close over cut and paste asked nothing"
[[ $(xclip -o -selection clipboard) == me ]] || e2e_fail "Shift+Delete did not cut to the clipboard"
click_into "$window"
xdotool key --delay 50 ctrl+s
sleep 0.5
expect_file_bytes "$work/doc.txt" 'meme\r\n' "Ctrl+S did not save the cut and the pastes"

xdotool key --delay 50 alt+F4
expect_program_ends "closing saved text did not end the program"
echo "Delete, Shift+Delete and Shift+Insert edits were asked about and saved"
