#!/usr/bin/env bash
# Starts tarnpad.exe with a document, types with real X key events, saves
# with Ctrl+S and compares the bytes on disk. Then closes the window over
# modified text and answers the close question both ways: Escape keeps the
# window and its text, Return ends the program without writing anything.
# Needs DISPLAY and WINEPREFIX (scripts/test.sh provides both).
#
#   save_and_close.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

fail() {
  echo "$1" >&2
  exit 1
}

# The document must hold exactly these bytes (given as printf escapes).
expect_bytes() {
  printf "$1" >"$work/expected"
  if ! cmp -s "$work/expected" "$work/doc.txt"; then
    echo "$2; the file holds:" >&2
    od -c "$work/doc.txt" | head -10 >&2
    exit 1
  fi
}

# Waits for the confirmation box and answers it with a key.
answer_confirm() {
  local box
  box=$(timeout 30 xdotool search --sync --onlyvisible --name '^Confirm$' | head -1)
  [[ -n $box ]] || fail "no close question"
  eval "$(xdotool getwindowgeometry --shell "$box")"
  # The focus comes from a click; the text above the buttons is a safe spot.
  xdotool mousemove --window "$box" $((WIDTH / 2)) 12 click 1
  sleep 0.3
  xdotool key --delay 50 "$1"
}

# "строка" in Windows-1251, a line break, and a last line without one.
printf '\xf1\xf2\xf0\xee\xea\xe0\r\nlast' >"$work/doc.txt"
start_program "$exe" "$work/doc.txt"
click_into "$window"

xdotool key --delay 50 ctrl+End
xdotool type --delay 50 ' ёж'
xdotool key --delay 50 ctrl+s
sleep 0.5
expect_bytes '\xf1\xf2\xf0\xee\xea\xe0\r\nlast \xb8\xe6' "Ctrl+S did not save the typed text"

xdotool type --delay 50 '!'
xdotool key --delay 50 alt+F4
answer_confirm Escape
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "Escape on the close question ended the program"
expect_bytes '\xf1\xf2\xf0\xee\xea\xe0\r\nlast \xb8\xe6' "the refused close wrote the file"

xdotool mousemove --window "$window" $((WIDTH / 2)) $((HEIGHT / 3)) click 1
sleep 0.3
xdotool key --delay 50 alt+F4
answer_confirm Return
for _ in $(seq 1 100); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "OK on the close question did not end the program"
pid=
expect_bytes '\xf1\xf2\xf0\xee\xea\xe0\r\nlast \xb8\xe6' "closing without saving wrote the file"
echo "Ctrl+S saved the typed bytes; the close question kept and then dropped the unsaved text"
