#!/usr/bin/env bash
# Opens a private document through a symbolic link, types with real X key
# events and saves with Ctrl+S: the text must reach the document, the link
# must stay a link and the document must stay readable by its owner alone.
# Needs DISPLAY and WINEPREFIX (scripts/test.sh provides both).
#
#   save_through_link.sh TARNPAD_EXE
set -euo pipefail
exe=$1
source "$(dirname "$0")/../../scripts/lib.sh"
begin_e2e_test

fail() {
  echo "$1" >&2
  exit 1
}

printf 'first line\r\n' >"$work/doc.txt"
chmod 600 "$work/doc.txt"
ln -s doc.txt "$work/link.txt"
start_program "$exe" "$work/link.txt"
click_into "$window"

xdotool key --delay 50 ctrl+End
xdotool type --delay 50 'typed'
xdotool key --delay 50 ctrl+s
sleep 0.5

printf 'first line\r\ntyped' >"$work/expected"
if ! cmp -s "$work/expected" "$work/doc.txt"; then
  echo "Ctrl+S did not put the typed text into the linked document; it holds:" >&2
  od -c "$work/doc.txt" | head -10 >&2
  exit 1
fi
[[ -L $work/link.txt ]] || fail "the save turned the link into a plain file"
mode=$(stat -c %a "$work/doc.txt")
[[ $mode == 600 ]] || fail "the document's mode became $mode"
ls -A "$work" | grep -q tarnpad && fail "a temporary file was left: $(ls -A "$work")"
echo "Ctrl+S through the link saved into the document, kept the link and the mode 600"
