#!/usr/bin/env bash
# Starts tarnpad.exe with a file of the CMS and checks, as the X server sees
# them, the main window's caption (the full path) and the taskbar title (the
# abbreviated name), then that typing reaches the document. Needs DISPLAY
# and WINEPREFIX (scripts/test.sh provides both).
#
#   caption_and_typing.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

file="$work/velbrin.dorn.pages.index.php"
printf '<?php\r\necho 1;\r\n' >"$file"
windows_path=$(WINEDEBUG=-all winepath -w "$file")
start_program "$exe" "$windows_path"

names=$(for w in $(xdotool search --pid "$pid"); do xdotool getwindowname "$w"; done)
expect_name() {
  if ! grep -qxF -- "$1" <<<"$names"; then
    echo "no window named: $1" >&2
    printf 'windows seen:\n%s\n' "$names" >&2
    exit 1
  fi
}
expect_name "Velbrin Tarnpad - $windows_path"
expect_name "Velbrin Tarnpad - v.d.p.index.php"

click_into "$window"
xdotool key --delay 50 ctrl+Home
xdotool type --delay 50 'Щ'
xdotool key --delay 50 ctrl+a ctrl+c
sleep 0.5
actual=$(xclip -o -selection clipboard | tr -d '\r')
if [[ $actual != $'Щ<?php\necho 1;' ]]; then
  printf 'clipboard holds:\n%s\n' "$actual" >&2
  exit 1
fi
echo "caption, taskbar title and typing are as expected"
