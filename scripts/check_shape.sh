#!/usr/bin/env bash
# Reports where the source tree leaves its intended shape: a folder that
# includes a folder above it, a portable file that includes <windows.h>
# (platform files *_win.cpp aside), a source file of more than 400 lines, a
# class that exposes a control it owns (a public member holding a window).
# Exits 1 when it found something.
#
#   scripts/check_shape.sh
set -euo pipefail
cd "$(dirname "$0")/../src"

# From the ground up; folders of one rank do not include each other.
declare -A rank=([core]=0 [shell]=1 [window]=2 [editor]=3
  [documents]=4 [navigation]=4 [settings]=4 [tools]=4 [ui]=5 [app]=6)
portable=(core shell)
found=0

for file in */*.h */*.cpp; do
  folder=${file%%/*}
  while read -r included; do
    [[ $included == "$folder" || -z ${rank[$included]:-} ]] && continue
    if ((rank[$included] >= rank[$folder])); then
      echo "$file includes $included/, which is not below $folder/"
      found=1
    fi
  done < <(grep -o '^#include "[a-z_]*/' "$file" | sed 's/#include "//; s#/##' | sort -u)
done

for folder in "${portable[@]}"; do
  for file in "$folder"/*.h "$folder"/*.cpp; do
    [[ $file == *_win.cpp ]] && continue
    if grep -q '#include <windows.h>' "$file"; then
      echo "$file is portable but includes <windows.h>"
      found=1
    fi
  done
done

for file in */*.h */*.cpp; do
  lines=$(wc -l <"$file")
  if ((lines > 400)); then
    echo "$file has $lines lines"
    found=1
  fi
done
# Members that own windows, in the public part of a class or struct.
controls='Panel|Label|Button|GroupBox|GroupFrame|ListBox|VirtualListBox|Edit|CheckBox|RadioButton'
controls+='|Bevel|Splitter|TabbedNotebook|PageContainer|TextView|ToolButtonBar|StatusBar|StatusPanels'
for file in */*.h; do
  awk -v controls="$controls" -v file="$file" '
    /^(class|struct) [A-Za-z_]+.*\{$/ { public = ($1 == "struct") }
    /^ (public|protected|private):/ { public = ($1 == "public:") }
    public && $0 ~ "^  std::unique_ptr<(" controls ")> [A-Za-z_]+;" {
      print file ": " $0 " is a public control"; bad = 1
    }
    END { exit bad }' "$file" || found=1
done
exit $found
