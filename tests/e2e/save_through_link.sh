#!/usr/bin/env bash
# Opens a private document through a symbolic link, types with real X key
# events and saves with Ctrl+S: the text must reach the document, the link
# must stay a link and the document must stay readable by its owner alone.
# Needs DISPLAY and WINEPREFIX (scripts/test.sh provides both).
#
#   save_through_link.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

printf 'first line\r\n' >"$work/doc.txt"
chmod 600 "$work/doc.txt"
ln -s doc.txt "$work/link.txt"
start_program "$exe" "$work/link.txt"
click_into "$window"

xdotool key --delay 50 ctrl+End
xdotool type --delay 50 'typed'
xdotool key --delay 50 ctrl+s
sleep 0.5

expect_file_bytes "$work/doc.txt" 'first line\r\ntyped' \
  "Ctrl+S did not put the typed text into the linked document"
[[ -L $work/link.txt ]] || e2e_fail "the save turned the link into a plain file"
mode=$(stat -c %a "$work/doc.txt")
[[ $mode == 600 ]] || e2e_fail "the document's mode became $mode"
ls -A "$work" | grep -q tarnpad && e2e_fail "a temporary file was left: $(ls -A "$work")"
echo "Ctrl+S through the link saved into the document, kept the link and the mode 600"
