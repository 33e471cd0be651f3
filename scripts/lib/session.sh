# Shared by scripts/test and scripts/run: a virtual X display and the
# project's own Wine prefix, both stopped again by stop_session.
# Source it; it defines functions and sets nothing until they are called.

QUORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
export QUORVEL_WINEPREFIX=${QUORVEL_WINEPREFIX:-$QUORVEL_ROOT/build/wine-prefix}
QUORVEL_XVFB_PID=
QUORVEL_WINE_STARTED=
QUORVEL_DESKTOP_PID=

wine_cmd() { "$QUORVEL_ROOT/scripts/wine-exec" "$@"; }
wineserver_cmd() {
  WINEPREFIX=$QUORVEL_WINEPREFIX WINEARCH=win32 wineserver "$@"
}

# Starts Xvfb on a display number it picks itself (-displayfd), so two runs
# never collide, and exports DISPLAY. Waits at most 20 s.
start_virtual_display() {
  local size=${1:-1280x1024x24}
  local fifo
  fifo=$(mktemp -u)
  mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$size" -nolisten tcp -noreset 3>"$fifo" >/dev/null 2>&1 &
  QUORVEL_XVFB_PID=$!
  local number=
  if ! read -r -t 20 number <"$fifo" || [ -z "$number" ]; then
    rm -f "$fifo"
    echo "virtual display did not start" >&2
    return 1
  fi
  rm -f "$fifo"
  export DISPLAY=:$number
}

# Creates the 32-bit prefix once and applies our settings: a virtual desktop
# (real frames without a window manager) and a Chinese font behind the UI
# fonts, so the program's texts render. Every step is bounded.
prepare_wine_prefix() {
  local desktop=${1:-1024x768}
  QUORVEL_WINE_STARTED=1
  local created=
  if [ ! -f "$QUORVEL_WINEPREFIX/system.reg" ]; then
    timeout 120 "$QUORVEL_ROOT/scripts/wine-exec" wineboot -i >/dev/null 2>&1 || true
    created=1
  fi
  local reg=$QUORVEL_WINEPREFIX/quorvel-settings.reg
  sed "s/@DESKTOP@/$desktop/" "$QUORVEL_ROOT/scripts/lib/wine-settings.reg.in" |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  timeout 60 "$QUORVEL_ROOT/scripts/wine-exec" regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1 || true
  if [ -n "$created" ]; then
    # The session that creates a prefix behaves differently from all later
    # ones (measured: windows created in quick succession hang, and title-bar
    # clicks are lost). Ending it here makes the tests' session a later one.
    timeout 60 bash -c 'WINEPREFIX=$0 WINEARCH=win32 wineserver -k; WINEPREFIX=$0 WINEARCH=win32 wineserver -w' \
      "$QUORVEL_WINEPREFIX" >/dev/null 2>&1 || true
  fi
  # Keep one wineserver and the virtual desktop for the whole run, so each
  # test starts quickly. Left to the programs, the desktop process would
  # start and stop with every one of them (and hold their output open).
  wineserver_cmd -p 600 || true
  "$QUORVEL_ROOT/scripts/wine-exec" explorer.exe "/desktop=Default,$desktop" </dev/null >/dev/null 2>&1 &
  QUORVEL_DESKTOP_PID=$!
}

winepath_of() { printf 'Z:%s' "${1//\//\\}"; }

stop_session() {
  if [ -n "$QUORVEL_WINE_STARTED" ]; then
    timeout 30 bash -c 'WINEPREFIX=$0 WINEARCH=win32 wineserver -k' "$QUORVEL_WINEPREFIX" >/dev/null 2>&1 || true
    [ -z "$QUORVEL_DESKTOP_PID" ] || wait "$QUORVEL_DESKTOP_PID" 2>/dev/null || true
    QUORVEL_WINE_STARTED=
    QUORVEL_DESKTOP_PID=
  fi
  if [ -n "$QUORVEL_XVFB_PID" ]; then
    kill "$QUORVEL_XVFB_PID" 2>/dev/null || true
    wait "$QUORVEL_XVFB_PID" 2>/dev/null || true
    QUORVEL_XVFB_PID=
  fi
}
