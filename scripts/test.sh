#!/usr/bin/env bash
# Runs every test: checks the source tree's shape, installs what is missing,
# builds the presets, then runs the native tests, the native tests once more
# under the address and undefined-behaviour sanitizers, the Windows-side tests
# (under Wine, on a private Xvfb display with a throw-away Wine prefix), and
# the check of the release package.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib.sh

scripts/check_shape.sh
scripts/setup.sh
build_preset native
build_preset sanitize
build_preset windows

trap stop_sandbox EXIT
start_sandbox

status=0
ctest --preset native --timeout 300 || status=1
ctest --preset sanitize --timeout 600 || status=1
ctest --preset windows --timeout 600 || status=1
tests/package/check_package.sh || status=1
exit $status
