#!/usr/bin/env bash
# Times Tarnpad as a user meets it under Wine, beside Wine's own notepad on
# the same files: start-up to the first painted text, memory, typing in a
# large document, select-all and copy, save and replace-all, each with a
# reference measured in the same run. Everything goes through real X input
# and is timed by watching the screen (bench/wine/screen_timer.py), on a
# private Xvfb display and a throw-away Wine prefix whose wineserver keeps
# running between the starts, so every start is a warm one.
#
#   bench/wine/side_by_side.sh [--runs N] [--lines N] [--huge] [--no-notepad-large] [TARNPAD_EXE]
#
#   --runs N             runs of each measurement; medians are shown (5)
#   --lines N            lines of the large document (1000000)
#   --huge               also open a document of ten times as many lines once
#   --no-notepad-large   skip the one start of the notepad on a tenth of them
#   TARNPAD_EXE          the program to time; by default the stripped program
#                        of dist/tarnpad-*-win64.zip (scripts/package.sh), else
#                        a stripped copy of build/windows/tarnpad.exe
#
# Prints a markdown table for bench/README.md on stdout, progress on stderr.
# Takes about 5-8 minutes with the defaults. Nothing else should run in Wine
# on the private display meanwhile; other load on the machine shows in the
# figures (the load average is printed).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
timer=$here/screen_timer.py
python=/usr/bin/python3 # the system's Python has python3-xlib

runs=5
lines=1000000
huge=0
notepad_large=1
exe=
while (($# > 0)); do
  case $1 in
    --runs) runs=$2 && shift ;;
    --lines) lines=$2 && shift ;;
    --huge) huge=1 ;;
    --no-notepad-large) notepad_large=0 ;;
    -h | --help)
      sed -n '2,/^set -euo/p' "$0" | sed '$d; s/^# \{0,1\}//'
      exit 0
      ;;
    -*) echo "side_by_side: unknown option $1" >&2 && exit 2 ;;
    *) exe=$1 ;;
  esac
  shift
done
((runs >= 1 && lines >= 1000)) || { echo "side_by_side: needs --runs >= 1, --lines >= 1000" >&2 && exit 2; }

load_at_start=$(cut -d' ' -f1-3 /proc/loadavg)
began=$(date +%s)
scratch=$(mktemp -d /tmp/tarnpad-side-by-side.XXXXXX)
# shellcheck source-path=SCRIPTDIR/../.. source=scripts/lib.sh
source "$root/scripts/lib.sh"

keeper_fd=
cleanup() {
  [[ -n $keeper_fd ]] && exec {keeper_fd}>&-
  stop_sandbox
  rm -rf "$scratch"
}
trap cleanup EXIT

say() { echo "side_by_side: $*" >&2; }

# The program to time: always a stripped one, as users get it.
if [[ -z $exe ]]; then
  zip_file=
  if [[ -d $root/dist ]]; then
    zip_file=$(find "$root/dist" -name 'tarnpad-*-win64.zip' | sort -V | tail -1)
  fi
  if [[ -n $zip_file ]]; then
    unzip -q -j "$zip_file" '*/tarnpad.exe' -d "$scratch"
    exe_source=$zip_file
  elif [[ -f $root/build/windows/tarnpad.exe ]]; then
    x86_64-w64-mingw32-objcopy --strip-all "$root/build/windows/tarnpad.exe" "$scratch/tarnpad.exe"
    exe_source="build/windows/tarnpad.exe, stripped"
  else
    echo "side_by_side: no program; run scripts/package.sh or pass TARNPAD_EXE" >&2
    exit 2
  fi
  exe=$scratch/tarnpad.exe
else
  exe=$(realpath "$exe")
  exe_source=$exe
fi

# --- Documents ---------------------------------------------------------------

# The generated document of the native benchmarks (bench/bench_document.cpp):
# Windows-1251 words, CR LF, one line in 16 empty, every 1000th line 2-8 KB.
say "writing the documents"
g++ -O2 -std=c++20 -I"$root/bench" "$root/bench/bench_document.cpp" \
  "$here/write_document.cpp" -o "$scratch/write_document"
"$scratch/write_document" "$lines" "$scratch/pristine.txt"
doc=$scratch/doc.txt # what the programs open; a fresh copy for every start
doc_bytes=$(stat -c %s "$scratch/pristine.txt")
large_lines=$((lines / 10))
((notepad_large)) && "$scratch/write_document" "$large_lines" "$scratch/large.txt"
# shellcheck disable=SC2016 # PHP text, nothing to expand
printf '%s\r\n' 'Hello, this is a small file of five lines.' \
  'function render($page) { echo $page->title; }' \
  'return array(1, 2, 3); // the second line is longer than the first' \
  'The quick brown fox jumps over the lazy dog.' >"$scratch/tiny_text.txt"
printf 'last line without a break' >>"$scratch/tiny_text.txt"
tiny=$scratch/tiny.txt

# A line from the middle of the document that occurs nowhere else: the
# search field takes it and the editor scrolls to it.
"$python" - "$scratch/pristine.txt" "$lines" >"$scratch/needle.txt" <<'EOF'
import sys
data = open(sys.argv[1], "rb").read()
lines = data.split(b"\r\n")
for line in lines[int(sys.argv[2]) // 2 :]:
    line = line.rstrip(b" ")
    if 30 <= len(line) <= 78 and data.count(line) == 1:
        sys.stdout.buffer.write(line.decode("cp1251").encode("utf-8"))
        break
EOF
[[ -s $scratch/needle.txt ]] || { echo "side_by_side: no unique line in the middle" >&2 && exit 1; }

# --- Sandbox -----------------------------------------------------------------

say "starting Xvfb and a Wine prefix"
start_sandbox
# The wineserver stays between the starts, and so does the desktop process,
# kept by a console program that waits for input which never comes.
wineserver -p
mkfifo "$scratch/keeper"
wine cmd.exe <"$scratch/keeper" >/dev/null 2>&1 &
exec {keeper_fd}>"$scratch/keeper"

winpath() { windows_path "$1"; }

# Runs the timer; its NAME=VALUE pairs land in the array r (left empty when
# the timer fails: its figures then count as missing).
declare -A r
timer() {
  local out pair
  r=()
  out=$("$python" "$timer" "$@") || say "the timer failed: $*"
  for pair in $out; do
    r[${pair%%=*}]=${pair#*=}
  done
}

# Records value $2 (a number; none when missing) under the name $1.
results=$scratch/results
: >"$results"
record() { echo "$1 ${2:-none}" >>"$results"; }

# A killed Tarnpad leaves a recovery copy of modified text, which the next
# start would offer.
forget_recovery() {
  rm -rf "${WINEPREFIX:?}"/drive_c/users/*/AppData/Local/"Velbrin Tarnpad"
}

start_tarnpad() { timer launch "$@" -- wine "$exe" "$(winpath "$doc")"; }

end_program() {
  timer end "$@"
  forget_recovery
}

memory_kb() { awk -v what="$2:" '$1 == what { print $2 }' "/proc/$1/status"; }

# --- Calibration -------------------------------------------------------------

# Each program once on an empty file, then twice on the file, under the same
# name: the rows that differ are where the file's text shows; the timer then
# waits for exactly those rows. These starts also warm the caches.
calibrate() { # NAME FILE CONTENT COMMAND...
  local name=$1 file=$2 content=$3
  shift 3
  : >"$file"
  timer launch --capture "$scratch/$name.empty" -- "$@"
  cp "$content" "$file"
  timer launch --capture "$scratch/$name.final" --timeout 300 -- "$@"
  if [[ $name != notepad_large ]]; then
    timer launch --capture "$scratch/$name.final2" --timeout 300 -- "$@"
  else # one more start of several seconds would tell nothing new
    cp "$scratch/$name.final" "$scratch/$name.final2"
  fi
  forget_recovery
}
match() { echo --match "$scratch/$1.empty" "$scratch/$1.final" "$scratch/$1.final2"; }

say "calibrating (where each program shows the file's text)"
calibrate tarnpad_tiny "$tiny" "$scratch/tiny_text.txt" wine "$exe" "$(winpath "$tiny")"
calibrate notepad_tiny "$tiny" "$scratch/tiny_text.txt" wine notepad "$(winpath "$tiny")"
calibrate tarnpad_doc "$doc" "$scratch/pristine.txt" wine "$exe" "$(winpath "$doc")"
if ((notepad_large)); then
  calibrate notepad_large "$scratch/large_doc.txt" "$scratch/large.txt" \
    wine notepad "$(winpath "$scratch/large_doc.txt")"
fi

# --- The runs ----------------------------------------------------------------

# The Tarnpad window's layout (its e2e tests click the same places): the
# tool panel's tabs below the editor, its two fields and its buttons.
tab_y_collapsed() { echo $((HEIGHT - 38)); }
tab_y_expanded() { echo $((HEIGHT - 132)); }

# Start to first painted text of the small file: both programs, the order
# swapped from run to run.
tiny_starts() {
  local first second program
  if (($1 % 2)); then first=tarnpad second=notepad; else first=notepad second=tarnpad; fi
  for program in $first $second; do
    if [[ $program == tarnpad ]]; then
      # shellcheck disable=SC2046
      timer launch --keep $(match tarnpad_tiny) -- wine "$exe" "$(winpath "$tiny")"
      record tiny_tarnpad "${r[text_ms]:-}"
      record window_tarnpad "${r[window_ms]:-}"
      record poll_start_tiny "${r[poll_ms]:-}"
      local pid=${r[pid]:-} window=${r[window]:-}
      if [[ -n $pid ]]; then
        timer quiet --window "$window" --pid "$pid"
        record hwm_tiny "$(memory_kb "$pid" VmHWM)"
        end_program "$pid"
      fi
    else
      # shellcheck disable=SC2046
      timer launch $(match notepad_tiny) -- wine notepad "$(winpath "$tiny")"
      record tiny_notepad "${r[text_ms]:-}"
      record window_notepad "${r[window_ms]:-}"
      record poll_start_tiny "${r[poll_ms]:-}"
    fi
  done
}

# Timed keys in the running Tarnpad (window $window, process $pid); the
# figure lands under the name $1.
timed_keys() {
  local name=$1
  shift
  timer act --window "$window" --pid "$pid" --keys "$@"
  record "$name" "${r[ms]:-}"
  record poll_keys "${r[poll_ms]:-}"
  [[ ${r[region]:-} == caret ]] || record window_polls "$name"
}

# Starts the program on a fresh copy of the large document and records the
# start; sets the caller's pid and window (empty when it did not start).
open_large_document() {
  cp "$scratch/pristine.txt" "$doc" && sync
  # shellcheck disable=SC2046
  start_tarnpad --keep $(match tarnpad_doc)
  record doc_tarnpad "${r[text_ms]:-}"
  record poll_start_doc "${r[poll_ms]:-}"
  pid=${r[pid]:-} window=${r[window]:-}
}

# The large document: start, memory, typing in the middle, select-all and
# copy, save, replace-all.
large_session() {
  local run=$1 pid window t0 t1
  open_large_document
  [[ -n $pid ]] || return 0
  timer quiet --window "$window" --pid "$pid"
  record hwm_doc "$(memory_kb "$pid" VmHWM)"
  record rss_doc "$(memory_kb "$pid" VmRSS)"

  # To the middle: the search tab finds the unique line and scrolls it to
  # the top; a click on the top line and Home put the caret at its start.
  click_into "$window"
  click_at "$window" 146 "$(tab_y_collapsed)"
  click_at "$window" 200 $((HEIGHT - 111))
  xclip -selection clipboard -i <"$scratch/needle.txt"
  xdotool key --delay 50 ctrl+a ctrl+v
  click_at "$window" 289 $((HEIGHT - 86))
  sleep 0.5
  click_at "$window" 200 84
  xdotool key Home
  timed_keys first_key_middle x
  for _ in 1 2 3 4; do
    timed_keys later_key_middle x
  done

  record hwm_before_copy "$(memory_kb "$pid" VmHWM)"
  timed_keys select_all ctrl+a
  # The caret hides in the selection; the status bar shows the caret's move
  # before the editor repaints, so a strip of the editor's text is watched.
  timer act --window "$window" --pid "$pid" --keys ctrl+c ctrl+Home --rect 0 200 "$WIDTH" 40
  record copy_then_move "${r[ms]:-}"
  timer quiet --window "$window" --pid "$pid"
  record hwm_after_copy "$(memory_kb "$pid" VmHWM)"
  if ((run == 1)); then
    # Another program takes the copy (Wine hands it to X as UTF-8).
    t0=$(date +%s%N)
    xclip -selection clipboard -o >"$scratch/clipboard.txt"
    t1=$(date +%s%N)
    record clipboard_ms $(((t1 - t0) / 1000000))
  fi

  # Save, and a jump right after it: the screen answers the jump once the
  # save lets it. The file is watched until it stops changing.
  timer act --window "$window" --pid "$pid" --keys ctrl+s ctrl+End --watch-file "$doc"
  record save_then_move "${r[ms]:-}"
  record save_file "${r[file_ms]:-}"
  # The same bytes written and flushed by dd on the same disk.
  t0=$(date +%s%N)
  dd if="$doc" of="$scratch/saved.txt" bs=1M conv=fsync status=none
  t1=$(date +%s%N)
  record dd_fsync $(((t1 - t0) / 1000000))
  if ((run == 1)); then
    iconv -f cp1251 -t utf-8 "$scratch/saved.txt" | tr -d '\r' >"$scratch/expected_clipboard.txt"
    record clipboard_bytes "$(stat -c %s "$scratch/clipboard.txt")"
    record expected_clipboard_bytes "$(stat -c %s "$scratch/expected_clipboard.txt")"
    if cmp -s <(tr -d '\r' <"$scratch/clipboard.txt") "$scratch/expected_clipboard.txt"; then
      record clipboard_same 1
    else
      record clipboard_same 0
    fi
    rm -f "$scratch/clipboard.txt" "$scratch/expected_clipboard.txt"
  fi

  # Replace-all through the "Замена" tab, timed from the click on its
  # button until the window stops changing.
  click_at "$window" 206 "$(tab_y_expanded)"
  click_at "$window" 200 $((HEIGHT - 111))
  xdotool key ctrl+a
  xdotool type --delay 50 echo
  click_at "$window" 200 $((HEIGHT - 86))
  xdotool key ctrl+a
  xdotool type --delay 50 print
  timer act --window "$window" --pid "$pid" --click 388 $((HEIGHT - 55)) \
    --region window --until settle
  record replace_all "${r[ms]:-}"
  timer act --window "$window" --pid "$pid" --keys ctrl+s --region window \
    --until settle --watch-file "$doc"
  record save_after_replace "${r[file_ms]:-}"
  t0=$(date +%s%N)
  sed 's/echo/print/g' "$scratch/saved.txt" >"$scratch/sed.txt"
  t1=$(date +%s%N)
  record sed $(((t1 - t0) / 1000000))
  if cmp -s "$scratch/sed.txt" "$doc"; then record replaced_as_sed 1; else record replaced_as_sed 0; fi
  end_program "$pid"
  rm -f "$scratch/saved.txt" "$scratch/sed.txt"
}

# Jumps from one end to the other in a freshly loaded document, and the
# first character typed after each.
jump_session() {
  local pid window
  open_large_document
  [[ -n $pid ]] || return 0
  click_into "$window"
  timed_keys jump_to_end ctrl+End
  timed_keys first_key_end x
  timed_keys jump_to_start ctrl+Home
  timed_keys first_key_start x
  end_program "$pid"
}

for run in $(seq 1 "$runs"); do
  say "run $run of $runs"
  tiny_starts "$run"
  large_session "$run"
  jump_session
done

if ((notepad_large)); then
  say "the notepad on $large_lines lines (once)"
  # shellcheck disable=SC2046
  timer launch --timeout 600 $(match notepad_large) -- wine notepad "$(winpath "$scratch/large_doc.txt")"
  record large_notepad "${r[text_ms]:-}"
fi

if ((huge)); then
  say "writing and opening $((lines * 10)) lines (once)"
  "$scratch/write_document" $((lines * 10)) "$doc"
  huge_bytes=$(stat -c %s "$doc")
  sync
  # The first screen is the same as the large document's.
  # shellcheck disable=SC2046
  start_tarnpad --keep --timeout 600 $(match tarnpad_doc)
  record huge_tarnpad "${r[text_ms]:-}"
  huge_pid=${r[pid]:-}
  if [[ -n $huge_pid ]]; then
    timer quiet --window "${r[window]}" --pid "$huge_pid"
    record hwm_huge "$(memory_kb "$huge_pid" VmHWM)"
    record rss_huge "$(memory_kb "$huge_pid" VmRSS)"
    end_program "$huge_pid"
  fi
fi

# --- The table ---------------------------------------------------------------

# Median of the figures recorded under a name ("" when there are none).
median() {
  awk -v name="$1" '$1 == name && $2 != "none" { print $2 }' "$results" | sort -g |
    awk '{ v[NR] = $1 } END { if (NR) print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}
# Three significant figures, without exponents.
readable='function readable(v) {
  return v >= 100 ? sprintf("%.0f", v) : v >= 10 ? sprintf("%.1f", v) : sprintf("%.2f", v)
}'
num() { awk "$readable"' BEGIN { if (ARGV[1] == "") print "-"; else print readable(ARGV[1]) }' "$1"; }
# "median unit (min-max)" for the cells.
spread() {
  awk -v name="$1" '$1 == name && $2 != "none" { print $2 }' "$results" | sort -g |
    awk -v unit="$2" "$readable"' { v[NR] = $1 } END {
      if (!NR) { print "no figure"; exit }
      m = NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
      if (NR == 1) printf "%s %s", readable(m), unit
      else printf "%s %s (%s-%s)", readable(m), unit, readable(v[1]), readable(v[NR])
    }'
}
ratio() {
  awk -v a="$1" -v b="$2" 'BEGIN { if (a == "" || b == "" || b == 0) print "-"; else printf "%.2fx", a / b }'
}
mb() { awk -v kb="$1" 'BEGIN { if (kb == "") print "-"; else printf "%.0f MB", kb / 1024 }'; }
minus() { awk -v a="$1" -v b="$2" 'BEGIN { if (a != "" && b != "") print a - b }'; }
row() { printf '| %s | %s | %s | %s |\n' "$@"; }
# "name xN, name xN" from names, one a line.
count_names() { sort | uniq -c | awk '{ printf "%s%s x%s", sep, $2, $1; sep = ", " }'; }

doc_mb=$(awk -v b="$doc_bytes" 'BEGIN { printf "%.1f", b / 1048576 }')
doc_kb=$((doc_bytes / 1024))
tiny_t=$(median tiny_tarnpad)
doc_t=$(median doc_tarnpad)
hwm=$(median hwm_doc)
rss=$(median rss_doc)
hwm_tiny=$(median hwm_tiny)
dd_ms=$(median dd_fsync)

echo
echo "## Side by side with Wine's notepad, $(date +%F)"
echo
echo "\`bench/wine/side_by_side.sh\`: $runs runs, medians (min-max); $(nproc) cores;" \
  "load average at the start $load_at_start, at the end $(cut -d' ' -f1-3 /proc/loadavg);" \
  "$(wine --version); program: $exe_source ($(stat -c %s "$exe") bytes)." \
  "Large document: $lines lines, $doc_mb MiB. The screen was read every" \
  "$(num "$(median poll_keys)") ms after a key (a strip around the caret), every" \
  "$(num "$(median poll_start_tiny)") ms while the small file opened and every" \
  "$(num "$(median poll_start_doc)") ms while the large one did."
echo
row "What" "Tarnpad" "Reference" "Ratio"
row "---" "---" "---" "---"
row "Start to first painted text, small file (5 lines)" "$(spread tiny_tarnpad ms)" \
  "notepad $(spread tiny_notepad ms)" "$(ratio "$tiny_t" "$(median tiny_notepad)")"
row "Start to its window shown, small file" "$(spread window_tarnpad ms)" \
  "notepad $(spread window_notepad ms)" "$(ratio "$(median window_tarnpad)" "$(median window_notepad)")"
row "Start to first painted screen, $lines lines (two starts a run)" "$(spread doc_tarnpad ms)" \
  "Tarnpad, small file $(num "$tiny_t") ms" "$(ratio "$doc_t" "$tiny_t")"
if ((notepad_large)); then
  row "Start to first painted screen: Tarnpad $lines lines, notepad $large_lines (once)" \
    "$(num "$doc_t") ms" "notepad $(spread large_notepad ms)" "$(ratio "$doc_t" "$(median large_notepad)")"
fi
row "Memory after load, $lines lines: VmHWM / VmRSS" "$(mb "$hwm") / $(mb "$rss")" \
  "file $doc_mb MiB" "$(ratio "$hwm" $doc_kb) / $(ratio "$rss" $doc_kb)"
row "VmHWM, small file" "$(mb "$hwm_tiny")" "" ""
row "VmHWM above the small file's, $lines lines" "$(mb "$(minus "$hwm" "$hwm_tiny")")" \
  "file $doc_mb MiB" "$(ratio "$(minus "$hwm" "$hwm_tiny")" $doc_kb)"
row "First keystroke in the middle after load, key to screen" "$(spread first_key_middle ms)" \
  "one frame 16.7 ms" "$(ratio "$(median first_key_middle)" 16.7)"
row "Later keystrokes in the middle (four a run)" "$(spread later_key_middle ms)" \
  "one frame 16.7 ms" "$(ratio "$(median later_key_middle)" 16.7)"
row "Ctrl+End after load" "$(spread jump_to_end ms)" "" ""
row "First keystroke at the end" "$(spread first_key_end ms)" "" ""
row "Ctrl+Home from the end" "$(spread jump_to_start ms)" "" ""
row "First keystroke at the start after that jump" "$(spread first_key_start ms)" "" ""
row "Ctrl+A to the selection shown" "$(spread select_all ms)" "" ""
row "Ctrl+C then Ctrl+Home, to the selection gone" "$(spread copy_then_move ms)" "" ""
row "VmHWM before / after Ctrl+A, Ctrl+C" \
  "$(mb "$(median hwm_before_copy)") / $(mb "$(median hwm_after_copy)")" "file $doc_mb MiB" \
  "$(ratio "$(median hwm_after_copy)" "$(median hwm_before_copy)") of before"
if [[ $(median clipboard_same) == 1 ]]; then same="same text"; else same="DIFFERENT text"; fi
row "The copy read by another program (\`xclip -o\`, once)" \
  "$(median clipboard_bytes) bytes in $(median clipboard_ms) ms" \
  "file as UTF-8 with LF: $(median expected_clipboard_bytes) bytes" "$same"
row "Ctrl+S then Ctrl+End, to the screen answering" "$(spread save_then_move ms)" \
  "\`dd conv=fsync\` $(spread dd_fsync ms)" "$(ratio "$(median save_then_move)" "$dd_ms")"
row "Ctrl+S, to the file's last size or time change (later flushes unseen)" \
  "$(spread save_file ms)" "\`dd conv=fsync\` $(num "$dd_ms") ms" "$(ratio "$(median save_file)" "$dd_ms")"
row "Replace-all \"echo\" to \"print\", click to the screen settled" "$(spread replace_all ms)" \
  "\`sed\` $(spread sed ms)" "$(ratio "$(median replace_all)" "$(median sed)")"
all_same=$(awk '$1 == "replaced_as_sed" { n++; s += $2 }
  END { print (n && s == n) ? "yes" : "NO" }' "$results")
row "The file saved after replace-all is sed's output" "$all_same" "" ""
row "Ctrl+S after replace-all, to the file's last change" "$(spread save_after_replace ms)" \
  "\`dd conv=fsync\` $(num "$dd_ms") ms" "$(ratio "$(median save_after_replace)" "$dd_ms")"
if ((huge)); then
  huge_mb=$(awk -v b="$huge_bytes" 'BEGIN { printf "%.0f", b / 1048576 }')
  huge_kb=$((huge_bytes / 1024))
  row "Start to first painted screen, $((lines * 10)) lines ($huge_mb MiB, once)" \
    "$(spread huge_tarnpad ms)" "Tarnpad, $lines lines $(num "$doc_t") ms" \
    "$(ratio "$(median huge_tarnpad)" "$doc_t")"
  row "Memory after load, $((lines * 10)) lines: VmHWM / VmRSS" \
    "$(mb "$(median hwm_huge)") / $(mb "$(median rss_huge)")" "file $huge_mb MiB" \
    "$(ratio "$(median hwm_huge)" $huge_kb) / $(ratio "$(median rss_huge)" $huge_kb)"
fi
echo
failed=$(awk '$2 == "none" { print $1 }' "$results" | count_names)
[[ -n $failed ]] && echo "Timed out, left out of the medians: $failed."
windowed=$(awk '$1 == "window_polls" { print $2 }' "$results" | count_names)
[[ -n $windowed ]] && echo "No blinking caret, so the whole window was read: $windowed."
echo "Wall time: $(($(date +%s) - began)) s."
