#!/usr/bin/env bash
# The settings page ("Справка", "Настройка"): every check box and radio
# button writes its value into tarnpad.ini beside the program the moment it
# is clicked, a click on a checked radio button writes nothing, and "OK"
# brings the editor back. Needs DISPLAY and WINEPREFIX (scripts/test.sh
# provides both).
#
#   settings_page.sh TARNPAD_EXE
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test
# The settings file lives beside the program: a folder of its own, no file.
cp "$1" "$work/tarnpad.exe"
ini=$work/tarnpad.ini

# Fails unless the settings file holds key $2 = $3 in section [$1].
expect_setting() {
  local value
  value=$(tr -d '\r' <"$ini" 2>/dev/null |
    awk -v section="[$1]" -v key="$2" -F= '
      /^\[/ { inside = ($0 == section) }
      inside && $1 == key { print $2 }')
  [[ $value == "$3" ]] || e2e_fail "$4; [$1] $2 reads '$value'"
}

printf 'text' >"$work/doc.txt"
start_program "$work/tarnpad.exe" "$work/doc.txt"
click_into "$window"
xdotool key --delay 80 alt Right Right Right Right Right Right Right Down Down Return
sleep 0.5
[[ -e $ini ]] && e2e_fail "opening the settings page wrote the settings file"

# Positions on the page, which starts below the tool bar.
click_at "$window" 194 117 # использовать
expect_setting Backup Use 1 "checking использовать"
click_at "$window" 194 140 # только измененное
expect_setting Backup Edited 1 "checking только измененное"
click_at "$window" 36 149 # развернуто
expect_setting Navigation List Wide "choosing развернуто"
click_at "$window" 36 228 # крупный
expect_setting Navigation Font Big "choosing крупный"
click_at "$window" 36 196 # мелкий
expect_setting Navigation Font Small "choosing мелкий"
click_at "$window" 194 117
expect_setting Backup Use 0 "unchecking использовать"
click_at "$window" 36 133 # компактно
expect_setting Navigation List Compact "choosing компактно"
before=$(cat "$ini")
click_at "$window" 36 133
[[ $(cat "$ini") == "$before" ]] || e2e_fail "a click on the checked компактно wrote the file"
expect_setting Backup Edited 1 "the other clicks changed Edited"

click_at "$window" 288 289 # OK
click_into "$window"
xdotool key --delay 50 ctrl+End
xdotool type --delay 50 ' more'
xdotool key ctrl+s
sleep 0.5
expect_file_bytes "$work/doc.txt" 'text more' "OK did not bring the editor back"
echo "the settings page wrote each click into tarnpad.ini"
