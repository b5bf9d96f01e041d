#!/usr/bin/env bash
# The commands that change the text without typing, each through its keys
# and checked in the saved file: the two insertion drop-downs (F5, F6) and the
# tool-bar guillemets; every item of the editor's context menu (Shift+F10):
# undo, cut, copy, paste, delete, the two passwords, the line shifts; and the
# irreversible rewrites of the "Обработка" menu. Needs DISPLAY and WINEPREFIX
# (scripts/test.sh provides both).
#
#   editing_commands.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

# Item $1 (counted without separators) of the editor's context menu.
editor_menu() {
  xdotool key --delay 80 shift+F10
  for ((i = 0; i < $1; i++)); do xdotool key --delay 80 Down; done
  xdotool key --delay 80 Return
  sleep 0.3
}

# Replaces the whole text by typing $1 (a "\n" types Return).
retype() {
  xdotool key --delay 50 ctrl+a
  xdotool type --delay 30 "$1"
}

saved_as() {
  xdotool key ctrl+s
  sleep 0.5
  expect_file_bytes "$work/doc.txt" "$1" "$2"
}

printf 'abc' >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"

# F5's first item "·", F6's first item "&copy;", then F5's sixth item (the
# first of its second column) and the tool-bar button put guillemets round
# the selection.
xdotool key --delay 80 ctrl+End F5 Down Return F6 Down Return
xdotool key --delay 80 shift+Home F5 Down Down Down Down Down Down Return
xdotool key --delay 80 shift+Home
click_at "$window" 50 55
saved_as '\xab\xababc\xb7&copy;\xbb\xbb' "the insertion drop-downs or the guillemets button missed"

click_into "$window"
retype $'one\ntwo\nthree'
xdotool key --delay 50 ctrl+Home Down shift+End
editor_menu 3
expect_clipboard two "Копировать did not copy the selection"
xdotool key --delay 50 ctrl+Home shift+End
editor_menu 2
expect_clipboard one "Вырезать did not cut the selection"
xdotool key --delay 50 ctrl+End
editor_menu 4
xdotool key --delay 50 ctrl+Home Down shift+End
editor_menu 5
saved_as '\r\n\r\nthreeone' "Вырезать, Вставить or Удалить did not change the text"
editor_menu 1
saved_as '\r\ntwo\r\nthreeone' "Отменить did not take back the deletion"

# Добавить: the complex password, then the simple one, at the end of a line.
xdotool key --delay 50 ctrl+End
xdotool key --delay 80 shift+F10 Down Down Down Down Down Down Right Return
sleep 0.3
xdotool key --delay 80 shift+F10 Down Down Down Down Down Down Right Down Return
sleep 0.3
xdotool key ctrl+s
sleep 0.5
last=$(tail -n 1 "$work/doc.txt")
pattern='^threeone[2-9a-zA-Z]{4}-[2-9a-zA-Z]{4}-[2-9a-zA-Z]{4}-[2-9a-zA-Z]{4}[0-9]{4}-[0-9]{4}$'
[[ $last =~ $pattern && ! ${last:8:19} =~ [CcIlOoSsVvWwXxZz10] ]] ||
  e2e_fail "the two passwords were not inserted as expected: $last"

# The line shifts on zero, one, two, three with lines 1 to 3 selected.
select_lines_1_to_3() {
  xdotool key --delay 50 ctrl+Home Down shift+ctrl+End
}
retype $'zero\none\ntwo\nthree'
select_lines_1_to_3
editor_menu 9
saved_as 'zero\r\n  one\r\n  two\r\n  three' "Подвинуть вправо на 2 пробела shifted other lines"
select_lines_1_to_3
editor_menu 8
saved_as 'zero\r\none\r\ntwo\r\nthree' "Подвинуть влево на 2 пробела did not take the spaces back"
select_lines_1_to_3
editor_menu 12
saved_as '\tzero\r\n\tone\r\n\ttwo\r\n\tthree' "the tab shift did not reach all four lines"
xdotool key --delay 50 ctrl+Home
editor_menu 10
xdotool key --delay 50 Down
editor_menu 11
saved_as '    \tzero\r\n      \tone\r\n\ttwo\r\n\tthree' "the four- and six-space shifts missed their lines"

# Обработка, Необратимые действия: the warning item, echo framing, stripping.
irreversible() {
  xdotool key --delay 80 alt Right Right Right Right Right Right Down Down Right
  for ((i = 0; i < $1; i++)); do xdotool key --delay 80 Down; done
  xdotool key --delay 80 Return
  sleep 0.3
}
retype $'x\n  $a = 1;'
irreversible 1
saved_as "x\r\necho '\$a = 1;'.\$br;" "echo framing did not frame the caret line"
retype $'$a = 2;\n\n  # note\n    $x = 1; # set\n// old'
irreversible 2
saved_as '$a = 2;\r\n$x = 1; # set\r\n// old' "Убрать PHP-комментарии did not strip the comments"
irreversible 0
saved_as '$a = 2;\r\n$x = 1; # set\r\n// old' "the disabled warning item changed the text"
echo "the insertion, context-menu and processing commands changed the saved text as expected"
