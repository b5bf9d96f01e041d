#!/usr/bin/env bash
# Installs, from Debian's packages only, whatever the builds and tests need and
# this machine lacks. Safe to run again: present packages are left alone.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang-format
  clang libclang-rt-14-dev llvm
  g++-mingw-w64-x86-64-posix
  googletest libgtest-dev libbenchmark-dev
  wine wine64
  xvfb xdotool xclip imagemagick locales zip unzip
  fonts-liberation fonts-dejavu-core
  python3 python3-xlib
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then sudo_cmd=(sudo); fi

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The end-to-end tests run under the Russian locale too; without it
# generated, Wine mangles Cyrillic paths under LC_ALL=ru_RU.UTF-8.
if ! locale -a 2>/dev/null | grep -qix 'ru_RU\.utf-\?8'; then
  echo "setup: generating the ru_RU.UTF-8 locale"
  "${sudo_cmd[@]}" localedef -i ru_RU -f UTF-8 ru_RU.UTF-8
fi
