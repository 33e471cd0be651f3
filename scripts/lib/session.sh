# Shared by scripts/test, scripts/run and scripts/bench: which Windows build
# this machine can run, a virtual X display, and the project's Wine prefixes,
# all stopped again by stop_session.
# Source it; it defines functions and sets nothing until they are called.

QUORVEL_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
QUORVEL_SCRIPT=${QUORVEL_SCRIPT:-scripts/$(basename "$0")}
QUORVEL_XVFB_PID=
QUORVEL_WINE_ARCH=
QUORVEL_DESKTOP_PID=
QUORVEL_ARCHES=
QUORVEL_ARCH_REASON=
QUORVEL_CAN_RUN_32BIT=
QUORVEL_WINE_ERROR=

# One line that names what failed, then out; the caller's EXIT trap stops
# whatever was started.
fail() {
  echo "$QUORVEL_SCRIPT: $*" >&2
  exit 1
}

# The first line of a Wine log that says something, for one-line reports.
first_error_line() {
  { grep -m1 -v -E '^\s*$' "$1" 2>/dev/null || echo "no output"; } | sed -E 's/^[^ ]*wine-exec: line [0-9]+: //'
}

# --- Which build's Windows suites can run here --------------------------

# A 96-byte static i386 Linux program that exits with 42: whether the kernel
# executes 32-bit x86 code at all, tried rather than guessed. Wine's 32-bit
# loader is such a program, so where this fails, no 32-bit Windows program
# can run and wine32 is not worth installing.
kernel_runs_i386() {
  local probe=$QUORVEL_ROOT/build/probe/i386-exit-42
  mkdir -p "${probe%/*}"
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00'`
        `'\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08\x34\x00\x00\x00'`
        `'\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x28\x00'`
        `'\x00\x00\x00\x00\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08'`
        `'\x00\x80\x04\x08\x60\x00\x00\x00\x60\x00\x00\x00\x05\x00\x00\x00'`
        `'\x00\x10\x00\x00\xb8\x01\x00\x00\x00\xbb\x2a\x00\x00\x00\xcd\x80' >"$probe"
  chmod +x "$probe"
  local status=0
  # Through bash, not straight from timeout: execvp would hand a binary the
  # kernel refuses to /bin/sh and report the shell's confusion instead.
  QUORVEL_WINE_ERROR=$(timeout 10 bash -c '"$0"' "$probe" 2>&1) || status=$?
  [ "$status" -eq 42 ] && return 0
  QUORVEL_WINE_ERROR=${QUORVEL_WINE_ERROR##*: }
  [ -n "$QUORVEL_WINE_ERROR" ] || QUORVEL_WINE_ERROR="exit status $status"
  return 1
}

# Decides, before anything is built, which builds' Windows suites to run,
# from QUORVEL_WINDOWS_ARCH (i686, x64 or both; unset or auto: whatever this
# machine can run) and the kernel probe; installs 32-bit Wine where it can
# run. Sets QUORVEL_ARCHES and QUORVEL_ARCH_REASON; confirm_windows_arches
# settles them once the prefixes can be tried.
choose_windows_arches() {
  local wanted=${QUORVEL_WINDOWS_ARCH:-auto}
  case $wanted in
    auto | i686 | x64 | both) ;;
    *) fail "QUORVEL_WINDOWS_ARCH is '$wanted'; it takes i686, x64, both or auto" ;;
  esac
  if [ "$wanted" = x64 ]; then
    QUORVEL_ARCHES=x64
    QUORVEL_ARCH_REASON="QUORVEL_WINDOWS_ARCH=x64"
    return 0
  fi
  if kernel_runs_i386; then
    QUORVEL_CAN_RUN_32BIT=1
    "$QUORVEL_ROOT/scripts/setup" wine32 || fail "could not install 32-bit Wine"
  elif [ "$wanted" != auto ]; then
    fail "QUORVEL_WINDOWS_ARCH=$wanted needs 32-bit programs, which this machine cannot run ($QUORVEL_WINE_ERROR)"
  fi
  case $wanted in
    i686) QUORVEL_ARCHES=i686; QUORVEL_ARCH_REASON="QUORVEL_WINDOWS_ARCH=i686" ;;
    both) QUORVEL_ARCHES="i686 x64"; QUORVEL_ARCH_REASON="QUORVEL_WINDOWS_ARCH=both" ;;
    auto)
      if [ -n "$QUORVEL_CAN_RUN_32BIT" ]; then
        QUORVEL_ARCHES=i686
        QUORVEL_ARCH_REASON="this machine runs 32-bit programs"
      else
        QUORVEL_ARCHES=x64
        QUORVEL_ARCH_REASON="this machine cannot run 32-bit programs: $QUORVEL_WINE_ERROR"
      fi
      ;;
  esac
}

# Where i686 was chosen, creates its prefix and runs a 32-bit Windows program
# (build/probe/probe-i686.exe, which exits with 42) in it. In auto mode a
# failure falls back to the x64 build; when i686 was asked for, it is fatal.
# Then prints the one line that says which builds run and why, headed by
# the label given (default "Windows tests").
confirm_windows_arches() {
  local label=${1:-Windows tests}
  if [[ " $QUORVEL_ARCHES " == *" i686 "* ]]; then
    local why=
    if ! create_wine_prefix i686; then
      why=$QUORVEL_WINE_ERROR
    elif ! run_probe_program i686; then
      why="a 32-bit Windows program did not run under Wine: $QUORVEL_WINE_ERROR"
    fi
    if [ -n "$why" ]; then
      [ -z "${QUORVEL_WINDOWS_ARCH:-}" ] || [ "$QUORVEL_WINDOWS_ARCH" = auto ] || fail "$why"
      QUORVEL_ARCHES=x64
      QUORVEL_ARCH_REASON="32-bit Wine does not work here: $why"
    fi
  fi
  local arch builds=()
  for arch in $QUORVEL_ARCHES; do
    case $arch in
      i686) builds+=("i686 build under 32-bit wine") ;;
      x64) builds+=("x64 build under wine64") ;;
    esac
  done
  local joined
  joined=$(printf '%s, then ' "${builds[@]}")
  echo "$label: ${joined%, then } ($QUORVEL_ARCH_REASON)"
}

run_probe_program() {
  local arch=$1 exe=$QUORVEL_ROOT/build/probe/probe-$arch.exe
  local compiler=i686-w64-mingw32-gcc
  [ "$arch" = x64 ] && compiler=x86_64-w64-mingw32-gcc
  echo 'int main(void) { return 42; }' | "$compiler" -x c -o "$exe" - ||
    { QUORVEL_WINE_ERROR="$compiler could not build the probe"; return 1; }
  local log=$QUORVEL_ROOT/build/probe/probe-$arch.log status=0
  timeout 60 "$QUORVEL_ROOT/scripts/wine-exec" "$arch" "$exe" >"$log" 2>&1 || status=$?
  end_wine_server "$arch"
  [ "$status" -eq 42 ] && return 0
  QUORVEL_WINE_ERROR="exit status $status: $(first_error_line "$log")"
  return 1
}

# --- Virtual display and Wine prefixes ------------------------------------

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
    fail "the virtual display (Xvfb) did not start within 20 s"
  fi
  rm -f "$fifo"
  export DISPLAY=:$number
}

# Ends the prefix's wineserver and every Wine process in it, bounded.
end_wine_server() {
  timeout 30 "$QUORVEL_ROOT/scripts/lib/wineserver-of" "$1" -k >/dev/null 2>&1 || true
  timeout 30 "$QUORVEL_ROOT/scripts/lib/wineserver-of" "$1" -w >/dev/null 2>&1 || true
}

# Creates the prefix once and applies our settings: a virtual desktop (real
# frames without a window manager) and a Chinese font behind the UI fonts,
# so the program's texts render. Every step is bounded. Returns 1 with
# QUORVEL_WINE_ERROR set when Wine cannot do it.
create_wine_prefix() {
  local arch=$1 desktop=${2:-1024x768}
  local prefix=$QUORVEL_ROOT/build/wine-prefix-$arch
  mkdir -p "$QUORVEL_ROOT/build"
  local log=$QUORVEL_ROOT/build/wine-prefix-$arch.log
  if [ ! -f "$prefix/system.reg" ]; then
    local status=0
    timeout 180 "$QUORVEL_ROOT/scripts/wine-exec" "$arch" wineboot -i >"$log" 2>&1 || status=$?
    end_wine_server "$arch"
    if [ "$status" -ne 0 ] || [ ! -f "$prefix/system.reg" ]; then
      QUORVEL_WINE_ERROR="Wine could not create its prefix: $(first_error_line "$log")"
      rm -rf "$prefix"
      return 1
    fi
  fi
  local reg=$prefix/quorvel-settings.reg
  sed "s/@DESKTOP@/$desktop/" "$QUORVEL_ROOT/scripts/lib/wine-settings.reg.in" |
    iconv -f UTF-8 -t UTF-16LE | { printf '\xff\xfe'; cat; } >"$reg"
  if ! timeout 60 "$QUORVEL_ROOT/scripts/wine-exec" "$arch" regedit /S "$(winepath_of "$reg")" >"$log" 2>&1; then
    end_wine_server "$arch"
    QUORVEL_WINE_ERROR="Wine could not apply the project's settings to its prefix: $(first_error_line "$log")"
    return 1
  fi
  # The session that creates a prefix behaves differently from all later
  # ones (measured: windows created in quick succession hang, and title-bar
  # clicks are lost). Ending it here makes the tests' session a later one.
  end_wine_server "$arch"
}

# Creates the prefix if needed and keeps one wineserver and the virtual
# desktop for the whole session, so each test starts quickly. Left to the
# programs, the desktop process would start and stop with every one of them
# (and hold their output open). One architecture's session at a time: two
# desktops on one display would share the pointer.
start_wine_session() {
  local arch=$1 desktop=${2:-1024x768}
  stop_wine_session
  create_wine_prefix "$arch" "$desktop" || fail "$QUORVEL_WINE_ERROR"
  QUORVEL_WINE_ARCH=$arch
  "$QUORVEL_ROOT/scripts/lib/wineserver-of" "$arch" -p || fail "wineserver did not start for the $arch prefix"
  "$QUORVEL_ROOT/scripts/wine-exec" "$arch" explorer.exe "/desktop=Default,$desktop" </dev/null >/dev/null 2>&1 &
  QUORVEL_DESKTOP_PID=$!
  sleep 1
  kill -0 "$QUORVEL_DESKTOP_PID" 2>/dev/null || fail "Wine's virtual desktop ended at once in the $arch prefix"
}

winepath_of() { printf 'Z:%s' "${1//\//\\}"; }

stop_wine_session() {
  [ -n "$QUORVEL_WINE_ARCH" ] || return 0
  end_wine_server "$QUORVEL_WINE_ARCH"
  [ -z "$QUORVEL_DESKTOP_PID" ] || wait "$QUORVEL_DESKTOP_PID" 2>/dev/null || true
  QUORVEL_WINE_ARCH=
  QUORVEL_DESKTOP_PID=
}

stop_session() {
  stop_wine_session
  if [ -n "$QUORVEL_XVFB_PID" ]; then
    kill "$QUORVEL_XVFB_PID" 2>/dev/null || true
    wait "$QUORVEL_XVFB_PID" 2>/dev/null || true
    QUORVEL_XVFB_PID=
  fi
}
