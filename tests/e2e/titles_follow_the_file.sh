#!/usr/bin/env bash
# The titles always name the file that Save writes to, and Save works by its
# key once the document has a name: Save As of an untitled text, then Ctrl+S;
# Open of a name that does not exist yet, then Ctrl+S; Ctrl+N names no file
# in either title. Needs DISPLAY and WINEPREFIX (scripts/test.sh provides
# both).
#
#   titles_follow_the_file.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

# The taskbar title is the caption of the hidden window that holds the
# taskbar button.
expect_taskbar_title() {
  xdotool search --name "^$1\$" >/dev/null || e2e_fail "$2"
}

named=$(windows_path "$work/named.txt")
fresh=$(windows_path "$work")\\fresh.txt
start_program "$exe"
click_into "$window"
xdotool type --delay 50 'one'
xdotool key --delay 80 alt Down Down Down Down Return  # Файл, Сохранить как
type_into_dialog "Сохранение файла" "$named"
expect_file_bytes "$work/named.txt" 'one' "Save As did not write the untitled text"
click_into "$window"
xdotool type --delay 50 ' two'
xdotool key ctrl+s
sleep 0.5
expect_file_bytes "$work/named.txt" 'one two' "Ctrl+S after Save As did not save"

xdotool key ctrl+o
type_into_dialog "Открытие файла" "$fresh"
expect_caption "Velbrin Tarnpad - $fresh" "the caption does not name the new file that Save writes to"
expect_taskbar_title "Velbrin Tarnpad - fresh.txt" "the taskbar title does not name the new file"
click_into "$window"
xdotool key ctrl+s
sleep 0.5
expect_file_bytes "$work/fresh.txt" 'one two' "Ctrl+S did not write the new name"

xdotool key ctrl+n
sleep 0.5
expect_caption "Velbrin Tarnpad" "New left a file in the caption"
xdotool search --name "fresh.txt" >/dev/null && e2e_fail "New left the file in the taskbar title"
echo "the titles named the file that Save writes to, and Ctrl+S saved after Save As"
