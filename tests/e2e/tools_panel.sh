#!/usr/bin/env bash
# The tab row of the tools panel, by mouse clicks as a user works it:
# "Выдержка" shows a fragment's excerpt, "Поиск" finds a line and the next
# one (the editor scrolls them to the top, so a click on the first visible
# line and typing lands there), "Замена" replaces all (checked on disk after
# Ctrl+S), "Блокнот" with its button "Очистить", and
# "Свернуть" gives the space back to the editor. Needs DISPLAY and
# WINEPREFIX (scripts/test.sh provides both).
#
#   tools_panel.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

# 120 lines; line 2 frames a fragment that line 3 ends; "needle" on 5 and 12.
document_lines() {
  for i in $(seq 0 119); do
    case $i in
      2) echo '== # Frag ==' ;;
      3) echo '         ####################' ;;
      5 | 12) echo "${needle_prefix[$i]:-}$1 $i" ;;
      *) echo "l$i" ;;
    esac
  done
}
declare -A needle_prefix=()
document_lines needle | sed 's/$/\r/' | head -c -2 >"$work/doc.txt"

start_program "$exe" "$work/doc.txt"
click_into "$window"
# The panel sits above the status bar; the main window is maximised, so the
# positions below follow its height. The navigation panel stays hidden.
collapsed_tabs=$((HEIGHT - 38))
expanded_tabs=$((HEIGHT - 132))
tab_x() {
  case $1 in
    Выдержка) echo 41 ;; Блокнот) echo 101 ;; Поиск) echo 152 ;; Замена) echo 206 ;;
    Свернуть) echo 264 ;; Очистить) echo 346 ;;
  esac
}
first_field=$((HEIGHT - 111))
second_field=$((HEIGHT - 86))
# The editor's first visible line.
type_at_top() {
  click_at "$window" 12 84
  xdotool key --delay 50 Home
  xdotool type --delay 50 "$1"
}

# The fragment list is made from the navigation list: F4 twice builds it.
xdotool key --delay 200 F4 F4
click_at "$window" "$(tab_x Выдержка)" $collapsed_tabs
click_at "$window" 50 $((HEIGHT - 113))
click_at "$window" 600 $((HEIGHT - 80))
xdotool key --delay 50 ctrl+a ctrl+c
sleep 0.3
expect_clipboard $'== # Frag ==\n         ####################' "the fragment's excerpt is not shown"

click_at "$window" "$(tab_x Поиск)" $expanded_tabs
click_at "$window" 200 $first_field
xdotool type --delay 50 needle
click_at "$window" 289 $second_field
type_at_top A
click_at "$window" 384 $second_field
type_at_top B

click_at "$window" "$(tab_x Замена)" $expanded_tabs
click_at "$window" 200 $first_field
xdotool type --delay 50 needle
click_at "$window" 200 $second_field
xdotool type --delay 50 pin
click_at "$window" 388 $((HEIGHT - 55))
xdotool key ctrl+s
sleep 0.5
needle_prefix=([5]=A [12]=B)
document_lines pin | sed 's/$/\r/' | head -c -2 >"$work/expected.txt"
cmp -s "$work/expected.txt" "$work/doc.txt" || {
  diff <(tr -d '\r' <"$work/expected.txt") <(tr -d '\r' <"$work/doc.txt") >&2
  e2e_fail "the search did not show lines 5 and 12, or replace-all missed them"
}

click_at "$window" "$(tab_x Блокнот)" $expanded_tabs
click_at "$window" 600 $((HEIGHT - 80))
xdotool type --delay 50 'note'
click_at "$window" "$(tab_x Очистить)" $expanded_tabs
click_at "$window" 600 $((HEIGHT - 80))
xdotool type --delay 50 'x'
xdotool key --delay 50 ctrl+a ctrl+c
sleep 0.3
expect_clipboard x "Очистить did not empty the notepad"

# Collapsed, the bottom of the window belongs to the editor again.
click_at "$window" "$(tab_x Свернуть)" $expanded_tabs
click_at "$window" 600 $((HEIGHT - 80))
xdotool key --delay 50 ctrl+End
xdotool type --delay 50 'Z'
xdotool key ctrl+s
sleep 0.5
printf 'Z' >>"$work/expected.txt"
cmp -s "$work/expected.txt" "$work/doc.txt" || e2e_fail "Свернуть did not give the editor the panel's place"
echo "the tools panel's tabs, search, replace-all and notepad's clearing work by clicks"
