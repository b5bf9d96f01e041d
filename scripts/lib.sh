# Shared by the scripts: a private Xvfb display and a throw-away Wine prefix,
# both stopped and removed by stop_sandbox (call it from an EXIT trap).

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
