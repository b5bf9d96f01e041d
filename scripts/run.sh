#!/usr/bin/env bash
# Builds and starts Tarnpad under Wine on the current display, with FILE if
# given, otherwise with the example document.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

scripts/setup.sh
build_preset windows >/dev/null

file=${1:-examples/example.php}
if [[ -z ${DISPLAY:-} ]]; then
  echo "run: no display (DISPLAY is empty); scripts/screenshot.sh renders the program to a PNG instead" >&2
  exit 1
fi
# The program names the document by the path it is given: hand it the full
# Windows path, as the system's shell would.
export WINEDEBUG=-all
exec wine build/windows/tarnpad.exe "$(winepath -w "$(realpath -m "$file")")"
