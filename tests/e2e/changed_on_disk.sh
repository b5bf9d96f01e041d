#!/usr/bin/env bash
# A file that another program changes behind the editor: Ctrl+S asks before
# writing over it ("Файл изменён другой программой. Перезаписать?"), and No
# leaves the other program's bytes on disk; when the program comes back to the
# front over unmodified text, the new version is offered and Yes loads it.
# Needs DISPLAY and WINEPREFIX (scripts/test.sh provides both).
#
#   changed_on_disk.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

printf 'text' >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"
xdotool key --delay 50 ctrl+End
xdotool type --delay 50 ' one'

printf 'theirs' >"$work/doc.txt"
xdotool key ctrl+s
answer_box "Velbrin Tarnpad - doc.txt" n
sleep 0.5
expect_file_bytes "$work/doc.txt" 'theirs' "No to the overwrite question wrote the file"

click_into "$window"
xdotool key ctrl+s
answer_box "Velbrin Tarnpad - doc.txt" y
sleep 0.5
expect_file_bytes "$work/doc.txt" 'text one' "Yes to the overwrite question did not save"

# Another program writes again while the user is in it; back in the editor,
# the new version is offered.
printf 'their second' >"$work/doc.txt"
/usr/bin/python3 "$(dirname "$0")/focus_elsewhere.py"
click_into "$window"
answer_box "Velbrin Tarnpad - doc.txt" y
sleep 0.5
click_into "$window"
xdotool key --delay 50 ctrl+a ctrl+c
expect_clipboard 'their second' "Yes to the reload question did not load the new version"
echo "a file changed on disk was neither overwritten nor reloaded without asking"
