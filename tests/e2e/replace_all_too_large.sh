#!/usr/bin/env bash
# Replace-all whose result would not fit in memory refuses before it changes
# anything: "a" made 5 000 "a" three times over is 1.25 * 10^11 bytes. The
# error box shows, the text stays as it was (Ctrl+S writes the same bytes)
# and the program goes on. Needs DISPLAY and WINEPREFIX (scripts/test.sh
# provides both).
#
#   replace_all_too_large.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

printf 'a\r\nkeep' >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"

# The "Замена" tab of the collapsed tools panel, then its two fields: the
# replacement comes from the clipboard.
click_at "$window" 206 $((HEIGHT - 38))
click_at "$window" 200 $((HEIGHT - 111))
xdotool type --delay 50 a
printf 'a%.0s' $(seq 1 5000) | xclip -selection clipboard -i >/dev/null 2>&1
click_at "$window" 200 $((HEIGHT - 86))
xdotool key --delay 50 ctrl+v
click_at "$window" 388 $((HEIGHT - 55))
answer_box "Velbrin Tarnpad - doc.txt" Return
program_running || e2e_fail "the refused replace-all ended the program"

click_into "$window"
xdotool key ctrl+s
sleep 0.5
expect_file_bytes "$work/doc.txt" 'a\r\nkeep' "the refused replace-all changed the text"
echo "replace-all refused a result beyond memory and left the text as it was"
