#!/usr/bin/env bash
# Builds the Windows release into dist/:
#   tarnpad-VERSION-win64.zip        the stripped program and the Russian guide
#   tarnpad-VERSION-win64.debug      its debug symbols, for crash reports
#   SHA256SUMS                       sums of both
# The version is the resource script's FILEVERSION. The program is the
# optimised build of the windows preset; the developer build keeps its
# debug information.
#
#   scripts/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset windows >&2
cmake --build --preset windows --target tarnpad >&2

version=$(sed -n 's/^FILEVERSION *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1.\2.\3/p' \
  resources/tarnpad.rc)
[[ -n $version ]] || { echo "package: no FILEVERSION in resources/tarnpad.rc" >&2; exit 1; }
name=tarnpad-$version-win64
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

mkdir -p dist "$stage/$name"
objcopy=x86_64-w64-mingw32-objcopy
"$objcopy" --only-keep-debug build/windows/tarnpad.exe "$stage/$name.debug"
"$objcopy" --strip-all --add-gnu-debuglink="$stage/$name.debug" \
  build/windows/tarnpad.exe "$stage/$name/tarnpad.exe"
# The guide as Windows' own editor reads it best: UTF-8 with a byte-order
# mark, CR LF line breaks.
{
  printf '\xEF\xBB\xBF'
  sed 's/$/\r/' docs/guide-ru.txt
} >"$stage/$name/README-ru.txt"

rm -f "dist/$name.zip"
(cd "$stage" && zip -q -X -r "$OLDPWD/dist/$name.zip" "$name")
cp "$stage/$name.debug" "dist/$name.debug"
(cd dist && sha256sum "$name.zip" "$name.debug" >SHA256SUMS)
echo "dist/$name.zip"
