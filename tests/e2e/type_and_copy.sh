#!/usr/bin/env bash
# Starts tarnpad.exe with a Windows-1251 file, types into the editor with
# real X key events and reads the whole text back through the clipboard,
# which Wine shares with X. Needs DISPLAY and WINEPREFIX (scripts/test.sh
# provides both).
#
#   type_and_copy.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

# "first line", then "Привет" in Windows-1251.
printf 'first line\r\n\xcf\xf0\xe8\xe2\xe5\xf2\r\nlast' >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"

xdotool key --delay 50 ctrl+Home End
xdotool type --delay 50 ' typed'
xdotool key --delay 50 Down End BackSpace Return
xdotool type --delay 50 'ёж'
xdotool key --delay 50 ctrl+a ctrl+c
sleep 0.5

# Wine hands text to X with LF line breaks.
actual=$(xclip -o -selection clipboard | tr -d '\r')
expected=$'first line typed\nПриве\nёж\nlast'
if [[ $actual != "$expected" ]]; then
  echo "clipboard holds:" >&2
  printf '%s\n' "$actual" | od -c | head -20 >&2
  exit 1
fi
echo "typed text came back through the clipboard"
