#!/usr/bin/env bash
# Ctrl+N over typed text asks "Файл не сохранен. Сохранить?": Cancel keeps the
# text, Yes saves it before starting afresh, No starts afresh without writing.
# Needs DISPLAY and WINEPREFIX (scripts/test.sh provides both).
#
#   new_over_unsaved_text.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

printf 'text' >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"
xdotool key --delay 50 ctrl+End
xdotool type --delay 50 ' one'

# The question is a plain box titled with the taskbar title.
xdotool key ctrl+n
answer_box "Velbrin Tarnpad - doc.txt" Escape
click_into "$window"
expect_caption "Velbrin Tarnpad - $work/doc.txt" "Cancel started afresh"
expect_file_bytes "$work/doc.txt" 'text' "Cancel wrote the file"

xdotool key ctrl+n
answer_box "Velbrin Tarnpad - doc.txt" y
sleep 0.5
expect_file_bytes "$work/doc.txt" 'text one' "Yes did not save the text before starting afresh"
expect_caption "Velbrin Tarnpad" "Yes did not start afresh after saving"

# An untitled text: No drops it, and nothing is written anywhere.
click_into "$window"
xdotool type --delay 50 'two'
xdotool key ctrl+n
answer_box "Velbrin Tarnpad" n
sleep 0.5
expect_file_bytes "$work/doc.txt" 'text one' "No wrote the file"
# Text that No kept would still be modified, and the close would ask.
click_into "$window"
xdotool key --delay 50 alt+F4
expect_program_ends "the close after No asked: the text was kept"
echo "Ctrl+N over typed text asked; Cancel kept it, Yes saved it, No dropped it"
