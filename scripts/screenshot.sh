#!/usr/bin/env bash
# Renders Tarnpad to a PNG: starts it under Wine on a private Xvfb display,
# with FILE if given, clicks into the editor for the keyboard focus, sends the
# given xdotool key names (for example ctrl+End shift+Up), then captures the
# screen. Builds the windows preset first when tarnpad.exe is missing.
#
#   scripts/screenshot.sh OUT.png [FILE] [KEY...]
set -euo pipefail
if (($# < 1)); then
  echo "usage: scripts/screenshot.sh OUT.png [FILE] [KEY...]" >&2
  exit 2
fi
out=$(realpath -m "$1")
shift
file=()
if (($# > 0)); then
  file=("$(realpath "$1")")
  shift
fi
cd "$(dirname "$0")/.."
source scripts/lib.sh

exe=${TARNPAD_EXE:-build/windows/tarnpad.exe}
if [[ ! -x $exe ]]; then
  build_preset windows >/dev/null
fi

trap stop_sandbox EXIT
start_sandbox

start_program "$exe" "${file[@]}"
# The editor fills the middle of the window.
click_into "$window"
for key in "$@"; do
  xdotool key --delay 50 "$key"
done
sleep 1  # the last keys' repaint and one caret blink phase
import -window root "$out"
echo "$out"
