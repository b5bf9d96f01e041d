#!/usr/bin/env bash
# Text with characters that Windows-1251 has no byte for, pasted with Ctrl+V
# from the X clipboard: the program asks in its own box, Return takes its
# first answer (numeric references), and the saved file holds them and
# nothing else. Needs DISPLAY and WINEPREFIX (scripts/test.sh provides both).
#
#   paste_foreign_characters.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

printf '' >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"

printf '✓ and α' | xclip -selection clipboard -i >/dev/null 2>&1
xdotool key --delay 50 ctrl+v
answer_box Confirm Return
program_running || e2e_fail "the program ended while answering the question"
xdotool key --delay 50 ctrl+s
sleep 0.5
expect_file_bytes "$work/doc.txt" '&#10003; and &#945;' \
  "the pasted characters did not go in as references"
echo "the box asked about the pasted characters and they were saved as numeric references"
