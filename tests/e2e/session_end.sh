#!/usr/bin/env bash
# The end of the session asks about modified text like a close does: Cancel
# keeps the program and its text (which Ctrl+S then saves), OK lets the
# session end. Needs DISPLAY and WINEPREFIX (scripts/test.sh provides both).
#
#   session_end.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

printf 'text' >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"
xdotool key --delay 50 ctrl+End
xdotool type --delay 50 ' typed'

WINEDEBUG=-all wineboot --end-session >/dev/null 2>&1 &
ending=$!
answer_box Confirm Escape
wait "$ending" && e2e_fail "the session ended although the question was refused"
program_running || e2e_fail "the program ended with the session it refused"
click_into "$window"
xdotool key --delay 50 ctrl+s
sleep 0.5
expect_file_bytes "$work/doc.txt" 'text typed' "the typed text did not survive the refused session end"

xdotool type --delay 50 '!'
WINEDEBUG=-all wineboot --end-session >/dev/null 2>&1 &
ending=$!
answer_box Confirm Return
wait "$ending" || true
expect_program_ends "OK on the question did not let the session end the program"
expect_file_bytes "$work/doc.txt" 'text typed' "the session end wrote the file"
echo "the session end asked first, was refused, then allowed"
