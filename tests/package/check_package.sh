#!/usr/bin/env bash
# Builds the release package and checks it as a user would get it: the zip
# holds the stripped program and the Russian guide, the debug symbols and the
# sums lie beside it, the version is the resource script's, and the program
# from the zip starts under Wine and closes. Needs DISPLAY and WINEPREFIX
# (scripts/test.sh provides both).
#
#   check_package.sh
set -euo pipefail
cd "$(dirname "$0")/../.."
source scripts/lib.sh
begin_e2e_test

zip=$(scripts/package.sh | tail -1)
rc_version=$(sed -n 's/^ *VALUE "ProductVersion", "\([0-9.]*\)".*/\1/p' resources/tarnpad.rc)
[[ $zip == "dist/tarnpad-$rc_version-win64.zip" ]] ||
  e2e_fail "the package $zip does not carry the resource script's version $rc_version"
name=$(basename "$zip" .zip)

(cd dist && sha256sum --quiet -c SHA256SUMS) || e2e_fail "the sums do not match the files"
listing=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
[[ $listing == "$name/ $name/README-ru.txt $name/tarnpad.exe " ]] ||
  e2e_fail "the zip holds: $listing"

unzip -q "$zip" -d "$work"
exe="$work/$name/tarnpad.exe"
objdump=x86_64-w64-mingw32-objdump
program_sections=$("$objdump" -h "$exe")
debug_sections=$("$objdump" -h "dist/$name.debug")
[[ $program_sections == *.debug_* ]] && e2e_fail "the program in the zip has debug sections"
[[ $debug_sections == *.debug_info* ]] || e2e_fail "the debug file holds no debug information"
size=$(stat -c %s "$exe")
((size < 5 * 1024 * 1024)) || e2e_fail "the program is $size bytes"
head -c 3 "$work/$name/README-ru.txt" | cmp -s - <(printf '\xEF\xBB\xBF') ||
  e2e_fail "the guide is not marked as UTF-8"
grep -q 'tarnpad.ini' "$work/$name/README-ru.txt" || e2e_fail "the guide does not say where the settings go"

start_program "$exe"
expect_caption "Velbrin Tarnpad" "the program from the zip did not start"
click_into "$window"
xdotool key --delay 50 alt+F4
expect_program_ends "the program from the zip did not close"
echo "the package $zip holds what it should and its program runs ($size bytes)"
