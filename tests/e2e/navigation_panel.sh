#!/usr/bin/env bash
# The navigation list and the "Найти" command, by keys and clicks: F4 shows
# the list; a click on an entry scrolls its line to the top and a double click
# does so and hides the list (typing at the first visible line shows where
# the editor stands); "Обновить" rescans labels only, which the export
# through the list's context menu and the real save dialog shows on disk;
# "Спрятать" and the menu-bar "Навигация" hide and show it; "Найти" scrolls to
# the line its input box names and says when nothing is found. Needs DISPLAY
# and WINEPREFIX (scripts/test.sh provides both).
#
#   navigation_panel.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

# 200 lines, so that the editor can scroll line 80 to its top; labels on 40
# and 70, a dollar marker on 80.
marker_lines() {
  for i in $(seq 0 199); do
    case $i in
      40) echo "${mark[$i]:-}// label Forty" ;;
      70) echo "${mark[$i]:-}// label Seventy" ;;
      80) echo "${mark[$i]:-}\$menu_begin" ;;
      *) echo "${mark[$i]:-}l$i" ;;
    esac
  done | sed 's/$/\r/' | head -c -2
}
declare -A mark=()
marker_lines >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"

# Shown, the list is 400 pixels wide at the left; its entries are 11 high.
entry_y() { echo $((106 + 11 * $1)); }
# Types $1 at the start of the editor's second visible line (the first is
# the marker line a jump shows there); $2 is the editor's left edge.
type_at_top() {
  click_at "$window" $(($2 + 12)) 99
  xdotool key --delay 50 Home
  xdotool type --delay 50 "$1"
}

xdotool key F4
sleep 0.5
click_at "$window" 50 "$(entry_y 1)"
type_at_top C 404
xdotool mousemove --window "$window" 50 "$(entry_y 0)" click --repeat 2 --delay 80 1
sleep 0.5
type_at_top D 0

# Навигация on the menu bar shows the list again, rescanned: three entries.
xdotool key --delay 80 alt Right Return
sleep 0.5
click_at "$window" 50 "$(entry_y 2)"
type_at_top E 404
# "Обновить" keeps the two labels only; export them.
click_at "$window" 93 87
xdotool mousemove --window "$window" 50 "$(entry_y 0)" click 3
sleep 0.5
xdotool key --delay 80 Down Return
type_into_dialog "Сохранение списка разделов" "$(windows_path "$work/sections.csv")"
expect_file_bytes "$work/sections.csv" '40;30;Forty\r\n70;;Seventy\r\n' \
  "the export did not write the rescanned list"

# "Спрятать" hides the list: the click at its place reaches the editor.
click_at "$window" 35 87
type_at_top G 0

# Найти: the input box, then the message when nothing matches.
xdotool key --delay 80 alt Right Right Return
type_into_dialog "Поиск текста" "Seventy"
type_at_top F 0
xdotool key --delay 80 alt Right Right Return
type_into_dialog "Поиск текста" "seventy"
answer_box "Velbrin Tarnpad - doc.txt" Return
program_running || e2e_fail "the search that found nothing ended the program"

click_at "$window" 600 300
xdotool key ctrl+s
sleep 0.5
mark=([71]=FC [41]=D [81]=GE)
marker_lines >"$work/expected.txt"
cmp -s "$work/expected.txt" "$work/doc.txt" || {
  diff <(tr -d '\r' <"$work/expected.txt") <(tr -d '\r' <"$work/doc.txt") >&2
  e2e_fail "the jumps did not show the expected lines at the top"
}
echo "the navigation list's jumps, rescan, hiding and export, and Найти work by keys and clicks"
