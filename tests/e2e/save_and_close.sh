#!/usr/bin/env bash
# Starts tarnpad.exe with a document, types with real X key events, saves
# with Ctrl+S and compares the bytes on disk. Then closes the window over
# modified text and answers the close question both ways: Escape keeps the
# window and its text, Return ends the program without writing anything.
# Needs DISPLAY and WINEPREFIX (scripts/test.sh provides both).
#
#   save_and_close.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

# The document must hold exactly these bytes (given as printf escapes).
expect_bytes() {
  expect_file_bytes "$work/doc.txt" "$1" "$2"
}

# "строка" in Windows-1251, a line break, and a last line without one.
printf '\xf1\xf2\xf0\xee\xea\xe0\r\nlast' >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"

xdotool key --delay 50 ctrl+End
xdotool type --delay 50 ' ёж'
xdotool key --delay 50 ctrl+s
sleep 0.5
expect_bytes '\xf1\xf2\xf0\xee\xea\xe0\r\nlast \xb8\xe6' "Ctrl+S did not save the typed text"

xdotool type --delay 50 '!'
xdotool key --delay 50 alt+F4
answer_box Confirm Escape
program_running || e2e_fail "Escape on the close question ended the program"
expect_bytes '\xf1\xf2\xf0\xee\xea\xe0\r\nlast \xb8\xe6' "the refused close wrote the file"

click_into "$window"
xdotool key --delay 50 alt+F4
answer_box Confirm Return
expect_program_ends "OK on the close question did not end the program"
expect_bytes '\xf1\xf2\xf0\xee\xea\xe0\r\nlast \xb8\xe6' "closing without saving wrote the file"
echo "Ctrl+S saved the typed bytes; the close question kept and then dropped the unsaved text"
