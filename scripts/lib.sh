# Shared by the scripts: a private Xvfb display and a throw-away Wine prefix,
# both stopped and removed by stop_sandbox (call it from an EXIT trap); and
# for the end-to-end tests, starting the program and finding its window.

start_sandbox() {
  local display_number
  for display_number in $(seq 90 140); do
    if [[ ! -e /tmp/.X11-unix/X$display_number && ! -e /tmp/.X$display_number-lock ]]; then
      break
    fi
  done
  Xvfb ":$display_number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  SANDBOX_XVFB_PID=$!
  export DISPLAY=":$display_number"
  for _ in $(seq 1 50); do
    [[ -e /tmp/.X11-unix/X$display_number ]] && break
    sleep 0.1
  done

  SANDBOX_WINEPREFIX=$(mktemp -d /tmp/tarnpad-wine.XXXXXX)
  export WINEPREFIX=$SANDBOX_WINEPREFIX
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  wineboot --init >/dev/null 2>&1 || true
  # There is no window manager on the private display: Wine then draws the
  # window frames itself and maximises windows as Windows would.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  wineserver -w || true
}

stop_sandbox() {
  if [[ -n ${SANDBOX_WINEPREFIX:-} ]]; then
    WINEPREFIX=$SANDBOX_WINEPREFIX wineserver -k >/dev/null 2>&1 || true
    rm -rf "$SANDBOX_WINEPREFIX"
  fi
  if [[ -n ${SANDBOX_XVFB_PID:-} ]]; then
    kill "$SANDBOX_XVFB_PID" 2>/dev/null || true
    wait "$SANDBOX_XVFB_PID" 2>/dev/null || true
  fi
}

build_preset() {
  cmake --preset "$1" >/dev/null
  cmake --build --preset "$1"
}

# Waits for the program started as process $1 to show its main window and
# prints that window's X id: the largest of its visible windows (the
# taskbar-title window beside it has no size).
find_main_window() {
  local pid=$1 best= best_area=0 window WIDTH HEIGHT
  timeout 60 xdotool search --sync --onlyvisible --pid "$pid" >/dev/null
  for _ in $(seq 1 50); do
    for window in $(xdotool search --onlyvisible --pid "$pid"); do
      eval "$(xdotool getwindowgeometry --shell "$window")"
      if ((WIDTH * HEIGHT > best_area)); then
        best=$window
        best_area=$((WIDTH * HEIGHT))
      fi
    done
    ((best_area > 10000)) && break
    sleep 0.1
  done
  echo "$best"
}

# Start of an end-to-end test: a scratch folder $work, removed on exit
# together with the program that start_program started (process $pid).
begin_e2e_test() {
  : "${DISPLAY:?needs an X display}"
  work=$(mktemp -d)
  pid=
  trap end_e2e_test EXIT
}

end_e2e_test() {
  if [[ -n $pid ]] && kill "$pid" 2>/dev/null; then
    for _ in $(seq 1 50); do
      kill -0 "$pid" 2>/dev/null || break
      sleep 0.1
    done
  fi
  # A program killed over modified text leaves a recovery copy (in the
  # prefix's users/NAME/AppData/Local), which the next test's start would offer.
  rm -rf "$work" "${WINEPREFIX:?}"/drive_c/users/*/AppData/Local/"Velbrin Tarnpad"
}

# Starts the program $1 under Wine with the remaining arguments and waits for
# its main window; sets $pid and $window.
start_program() {
  WINEDEBUG=-all wine "$@" >/dev/null 2>&1 &
  pid=$!
  window=$(find_main_window "$pid")
}

# Clicks into window $1, setting WIDTH and HEIGHT to its size: without a
# window manager the keyboard focus comes from a click.
click_into() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove --window "$1" $((WIDTH / 2)) $((HEIGHT / 3)) click 1
  sleep 0.5
}

e2e_fail() {
  echo "$1" >&2
  exit 1
}

# Fails unless file $1 holds exactly the bytes $2 (printf escapes); $3 says
# what went wrong.
expect_file_bytes() {
  local expected
  expected=$(mktemp)
  printf "$2" >"$expected"
  if ! cmp -s "$expected" "$1"; then
    rm -f "$expected"
    echo "$3; the file holds:" >&2
    od -c "$1" | head -10 >&2
    exit 1
  fi
  rm -f "$expected"
}

# Waits for the program's box titled $1 and answers it with key $2.
answer_box() {
  local box= candidate area=0 WIDTH HEIGHT
  # The main window (and the hidden owner of the taskbar button) may carry
  # the same title: the box is the largest other window of that name.
  timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" >/dev/null
  for _ in $(seq 1 100); do
    for candidate in $(xdotool search --onlyvisible --name "^$1\$"); do
      [[ $candidate == "${window:-}" ]] && continue
      eval "$(xdotool getwindowgeometry --shell "$candidate")"
      if ((WIDTH * HEIGHT > area)); then
        box=$candidate
        area=$((WIDTH * HEIGHT))
      fi
    done
    ((area > 2000)) && break
    sleep 0.1
  done
  [[ -n $box ]] || e2e_fail "no box titled $1"
  eval "$(xdotool getwindowgeometry --shell "$box")"
  eval "$(xdotool getwindowgeometry --shell "$box")"
  # The focus comes from a click; the text above the buttons is a safe spot.
  xdotool mousemove --window "$box" $((WIDTH / 2)) 12 click 1
  sleep 0.3
  xdotool key --delay 50 "$2"
}

# Whether the program (process $pid) is still running after a moment.
program_running() {
  sleep 0.5
  kill -0 "$pid" 2>/dev/null
}

# Waits up to ten seconds for the program to end; fails with $1 if it runs on.
expect_program_ends() {
  for _ in $(seq 1 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  kill -0 "$pid" 2>/dev/null && e2e_fail "$1"
  pid=
}

# Clicks at $2, $3 in the coordinates of window $1 (its frame included).
click_at() {
  xdotool mousemove --window "$1" "$2" "$3" click 1
  sleep 0.3
}

# Waits for the dialog titled $1 (a file dialog, the input box), types $2
# into the field that has its focus (a file dialog's name field)
# and confirms it with Return.
type_into_dialog() {
  local dialog WIDTH HEIGHT
  dialog=$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" | head -1)
  [[ -n $dialog ]] || e2e_fail "no dialog titled $1"
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  # A file dialog fills its folder view after it shows, the first time in a
  # new locale slowly; keys typed before that can get lost.
  sleep 1
  # A click on the caption gives the dialog the focus; its name field has it.
  xdotool mousemove --window "$dialog" $((WIDTH / 2)) 10 click 1
  sleep 0.3
  type_text "$2"
  xdotool key --delay 50 Return
  for _ in $(seq 1 50); do
    xdotool getwindowname "$dialog" >/dev/null 2>&1 || break
    sleep 0.1
  done
  xdotool getwindowname "$dialog" >/dev/null 2>&1 && e2e_fail "the dialog $1 did not take $2"
  sleep 0.5
}

# Fails with $2 unless the main window's caption is $1.
expect_caption() {
  local caption
  caption=$(xdotool getwindowname "$window")
  [[ $caption == "$1" ]] || e2e_fail "$2; the caption reads: $caption"
}

# Fails with $2 unless the clipboard holds the text $1 (line breaks as LF).
expect_clipboard() {
  local actual
  actual=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r')
  [[ $actual == "$1" ]] || e2e_fail "$2; the clipboard holds: $actual"
}

# The Windows form of the Linux path $1.
windows_path() {
  WINEDEBUG=-all winepath -w "$1" 2>/dev/null
}

# Types $1 one character at a time: a character that the keyboard map lacks
# (Cyrillic here) is typed through a key that xdotool maps for it on the fly,
# and Wine loses such keys that come too close to each other.
type_text() {
  local text=$1 i
  for ((i = 0; i < ${#text}; i++)); do
    xdotool type --delay 100 "${text:i:1}"
    sleep 0.05
  done
}
