#!/usr/bin/env bash
# Documents in a Cyrillic folder with Cyrillic names: one given on the command
# line (the caption shows its path), one opened through the open dialog by
# typing its path, and one written through the save dialog; typing and Ctrl+S
# reach the right files. Runs under the default locale and under
# LC_ALL=ru_RU.UTF-8. Needs DISPLAY and WINEPREFIX (scripts/test.sh provides
# both).
#
#   cyrillic_paths.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

folder="$work/документы"
mkdir "$folder"
# "Привет" in Windows-1251.
printf '\xcf\xf0\xe8\xe2\xe5\xf2' >"$folder/Привет.txt"
printf 'second' >"$folder/Второй.txt"
first=$(windows_path "$folder/Привет.txt")
second=$(windows_path "$folder/Второй.txt")
copy=$(windows_path "$folder/Копия.txt")

start_program "$exe" "$first"
expect_caption "Velbrin Tarnpad - $first" "the Cyrillic path on the command line was not loaded"
click_into "$window"
xdotool key --delay 50 ctrl+End
# Plain keys: this run is about the paths (Cyrillic typing has its own run).
xdotool type --delay 50 ' ok'
xdotool key ctrl+s
sleep 0.5
expect_file_bytes "$folder/Привет.txt" '\xcf\xf0\xe8\xe2\xe5\xf2 ok' \
  "Ctrl+S did not save into the Cyrillic path"

xdotool key ctrl+o
type_into_dialog "Открытие файла" "$second"
expect_caption "Velbrin Tarnpad - $second" "the open dialog did not open the Cyrillic path"
click_into "$window"
xdotool key --delay 80 alt Down Down Down Down Return
type_into_dialog "Сохранение файла" "$copy"
expect_file_bytes "$folder/Копия.txt" 'second' "Save As did not write the Cyrillic path"
expect_caption "Velbrin Tarnpad - $copy" "Save As did not name the Cyrillic path in the caption"
echo "documents with Cyrillic paths were loaded, opened and saved"
