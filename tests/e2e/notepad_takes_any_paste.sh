#!/usr/bin/env bash
# The notepad takes any amount of text: it is opened with the editor's
# context menu ("Копировать в блокнот"), 58 000 characters are pasted into it
# with real keys, and all of them come back through the clipboard; typing
# still works after that. Needs DISPLAY and WINEPREFIX (scripts/test.sh
# provides both).
#
#   notepad_takes_any_paste.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

# 1 000 lines of 57 characters and a line feed: 58 000 characters.
for i in $(seq 1000 1999); do
  printf 'line %s: Блокнот Блокнот Блокнот Блокнот Блокнот abcdef\n' "$i"
done >"$work/paste.txt"
characters=$(LC_ALL=C.UTF-8 wc -m <"$work/paste.txt")
((characters == 58000)) || e2e_fail "the text to paste has $characters characters, not 58 000"

printf 'short text\r\n' >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"
# The context menu from the keyboard: its seventh item copies the selection
# into the notepad and opens the tools panel on it.
xdotool key --delay 50 ctrl+a shift+F10 Down Down Down Down Down Down Down Return
sleep 0.5

xclip -selection clipboard -i <"$work/paste.txt" >/dev/null 2>&1
# The notepad fills the bottom of the window, above the status bar.
xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT - 70)) click 1
sleep 0.3
xdotool key --delay 50 ctrl+a ctrl+v
sleep 1
xdotool key --delay 50 ctrl+End
xdotool type --delay 50 'end'
xdotool key --delay 50 ctrl+a ctrl+c
sleep 1

# Wine hands text to X with LF line breaks.
xclip -o -selection clipboard | tr -d '\r' >"$work/copied.txt"
printf 'end' >>"$work/paste.txt"
if ! cmp -s "$work/paste.txt" "$work/copied.txt"; then
  echo "the notepad gave back $(LC_ALL=C.UTF-8 wc -m <"$work/copied.txt") characters:" >&2
  tail -c 200 "$work/copied.txt" >&2
  exit 1
fi
echo "58 000 pasted characters and the typing after them came back whole"
