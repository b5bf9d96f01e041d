#!/usr/bin/env bash
# Runs a test program as an unprivileged user when started as root, so that
# file permissions bind it (they do not bind root). Otherwise runs it as is.
#
#   run_unprivileged.sh PROGRAM [ARGS...]
set -euo pipefail
if [[ $(id -u) -eq 0 ]]; then
  exec setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env -- "$@"
fi
exec "$@"
