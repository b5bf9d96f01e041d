#!/usr/bin/env bash
# A selection of several megabytes copied with Ctrl+A, Ctrl+C reaches another
# program exactly: when it is pasted, after the text was changed meanwhile,
# and after the program has ended. Needs DISPLAY and WINEPREFIX
# (scripts/test.sh provides both).
#
#   copy_long_selection.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

# 100 000 lines of Windows-1251 text ("строка N"), about 1.6 MB.
for ((i = 0; i < 100000; i++)); do printf '\xf1\xf2\xf0\xee\xea\xe0 %d\r\n' "$i"; done \
  >"$work/doc.txt"
# Wine hands text to X as UTF-8 with LF line breaks.
iconv -f CP1251 -t UTF-8 "$work/doc.txt" | tr -d '\r' >"$work/expected.txt"

expect_clipboard_file() {
  xclip -o -selection clipboard 2>/dev/null | tr -d '\r' >"$work/clipboard.txt"
  cmp -s "$work/clipboard.txt" "$work/expected.txt" ||
    e2e_fail "$1; the clipboard holds $(wc -c <"$work/clipboard.txt") bytes, expected $(wc -c <"$work/expected.txt")"
}

start_program "$exe" "$work/doc.txt"
click_into "$window"
xdotool key --delay 50 ctrl+a ctrl+c
sleep 0.5
expect_clipboard_file "the copied text did not reach another program"

# Typing replaces the selection; the clipboard keeps what was copied.
xdotool key --delay 50 ctrl+a ctrl+c
xdotool type --delay 50 x
sleep 0.5
expect_clipboard_file "an edit after the copy changed the clipboard"

# Copied and not yet pasted anywhere when the program ends: the program
# hands the text over as it goes. Wine keeps the clipboard only while one of
# its processes runs (its server lingers a few seconds), so it is read at once.
xdotool key --delay 50 ctrl+z ctrl+a ctrl+c alt+F4
answer_box Confirm Return
expect_program_ends "the program did not end"
expect_clipboard_file "the copy did not outlive the program"
echo "a long copy reached another program exactly, after an edit and after the program ended"
