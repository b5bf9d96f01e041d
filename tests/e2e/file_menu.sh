#!/usr/bin/env bash
# The "Файл" menu and its neighbours, each through its keys and checked where
# the user sees it: F1 opens the About window; Ctrl+O opens a file through the
# real open dialog; Ctrl+S and the tool-bar disk save it; the backup command
# writes a copy beside the program, and no second one of unchanged text; the header refresh rewrites the header lines; Save
# As writes through the real save dialog; Ctrl+N starts afresh; Exit asks
# over typed text. Needs DISPLAY and WINEPREFIX (scripts/test.sh provides
# both).
#
#   file_menu.sh TARNPAD_EXE
set -euo pipefail
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test
# Backup copies land beside the program: give it a folder of its own.
cp "$1" "$work/tarnpad.exe"

# Menu paths: Alt selects "Файл", Down opens it on its first item.
file_menu() {
  local downs=$1
  xdotool key --delay 80 alt Down
  for ((i = 0; i < downs; i++)); do xdotool key --delay 80 Down; done
  xdotool key --delay 80 Return
}

printf 'first\r\n' >"$work/one.txt"
date_line=$(printf '%-60s%s' '#    velbrin.dorn.specification' 'date: 2000-01-01')
date_line="${date_line:0:54}date: 2000-01-01"
size_line='#    velbrin.dorn.specs  filesize 0'
printf '<?php\r\n%s\r\n%s\r\n?>' "$date_line" "$size_line" >"$work/two.txt"
two=$(windows_path "$work/two.txt")
three=$(windows_path "$work/three.txt")

start_program "$work/tarnpad.exe" "$work/one.txt"
click_into "$window"

xdotool key F1
about=$(timeout 10 xdotool search --sync --onlyvisible --name '^Velbrin Tarnpad$' | head -1)
[[ -n $about ]] || e2e_fail "F1 opened no About window"
eval "$(xdotool getwindowgeometry --shell "$about")"
click_at "$about" $((WIDTH / 2)) 10
xdotool key --delay 50 alt+F4
sleep 0.5
xdotool search --onlyvisible --name '^Velbrin Tarnpad$' >/dev/null && e2e_fail "the About window did not close"

click_into "$window"
xdotool key ctrl+o
type_into_dialog "Открытие файла" "$two"
expect_caption "Velbrin Tarnpad - $two" "Ctrl+O did not open the file typed into the open dialog"

click_into "$window"
xdotool key --delay 50 ctrl+End
xdotool type --delay 50 ' ok'
xdotool key ctrl+s
sleep 0.5
expect_file_bytes "$work/two.txt" "<?php\r\n$date_line\r\n$size_line\r\n?> ok" \
  "Ctrl+S did not save the opened file"

# The backup command: Файл, fifth item.
file_menu 4
sleep 1
copies=("$work"/*" two.txt")
[[ -f ${copies[0]} ]] || e2e_fail "the backup command wrote no copy beside the program"
cmp -s "${copies[0]}" "$work/two.txt" || e2e_fail "the backup copy differs from the text"
# Under the Russian locale (short date 09.12.2026) the name starts 2026-12-09.
if [[ ${LC_ALL:-} == ru_RU* && ${copies[0]##*/} != "$(date +%F)-"??-??-??" two.txt" ]]; then
  e2e_fail "the backup copy is named ${copies[0]##*/}"
fi
program_running || e2e_fail "the backup command ended the program"
# A second copy of unchanged text, a second later, is not written.
sleep 1
file_menu 4
sleep 1
copies=("$work"/*" two.txt")
((${#copies[@]} == 1)) || e2e_fail "the unchanged text was copied again: ${copies[*]##*/}"

# Обработка, CMS DORN, Обновить информацию о файле.
click_into "$window"
size=$(stat -c %s "$work/two.txt")
xdotool key --delay 80 alt Right Right Right Right Right Right Down Right Return
sleep 0.5
xdotool key ctrl+s
sleep 0.5
tail=$(printf '%49s@' '')
new_date=$(printf '%-60s%-10s%s' '#    velbrin.dorn.specification                       date: ' "$(date +%F)" "$tail")
new_size=$(printf '%-60s%-10s%s' '#    velbrin.dorn.specs  filesize' "$size" "$tail")
expect_file_bytes "$work/two.txt" "<?php\r\n$new_date\r\n$new_size\r\n?> ok" \
  "the header refresh did not rewrite the header lines"

# The tool-bar disk saves like Ctrl+S.
xdotool key --delay 50 ctrl+End
xdotool type --delay 50 '!'
click_at "$window" 18 55
sleep 0.5
expect_file_bytes "$work/two.txt" "<?php\r\n$new_date\r\n$new_size\r\n?> ok!" \
  "the tool-bar disk did not save"

click_into "$window"
file_menu 3
type_into_dialog "Сохранение файла" "$three"
expect_file_bytes "$work/three.txt" "<?php\r\n$new_date\r\n$new_size\r\n?> ok!" \
  "Save As did not write the file typed into the save dialog"
expect_caption "Velbrin Tarnpad - $three" "Save As did not name the new file in the caption"

click_into "$window"
xdotool key ctrl+n
sleep 0.5
expect_caption "Velbrin Tarnpad" "Ctrl+N did not start an untitled document"
xdotool type --delay 50 'fresh'
xdotool key --delay 50 ctrl+a ctrl+c
sleep 0.5
expect_clipboard 'fresh' "Ctrl+N did not empty the editor"

# Выход over typed text asks; OK ends the program and writes nothing.
file_menu 5
answer_box Confirm Return
expect_program_ends "Выход did not end the program"
expect_file_bytes "$work/three.txt" "<?php\r\n$new_date\r\n$new_size\r\n?> ok!" \
  "the exit wrote the file"
echo "the File menu, F1, the backup command and the header refresh work by their keys"
