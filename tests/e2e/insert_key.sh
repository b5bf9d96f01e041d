#!/usr/bin/env bash
# The Insert key alone flips typing between inserting and overwriting:
# typing inserts at first, overwrites after Insert, and Shift+Insert (paste)
# leaves the mode as it was; checked in the saved file. Needs DISPLAY and
# WINEPREFIX (scripts/test.sh provides both).
#
#   insert_key.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

printf 'abcdef' >"$work/doc.txt"
printf 'P' | xclip -i -selection clipboard >/dev/null 2>&1
start_program "$exe" "$(windows_path "$work/doc.txt")"
click_into "$window"
xdotool key --delay 50 ctrl+Home
xdotool type --delay 50 '1'
xdotool key --delay 50 Insert
xdotool type --delay 50 '2'
xdotool key --delay 50 shift+Insert
xdotool type --delay 50 '3'
xdotool key --delay 50 Insert
xdotool type --delay 50 '4'
xdotool key ctrl+s
sleep 0.5
# 1 inserted; 2 over a; P pasted; 3 over b (still overwriting); 4 inserted.
expect_file_bytes "$work/doc.txt" '12P34cdef' "typing did not follow the Insert key alone"
echo "typing inserted, overwrote after Insert, and Shift+Insert left the mode alone"
