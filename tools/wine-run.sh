#!/usr/bin/env bash
# Runs a Windows program under Wine for CTest (CMAKE_CROSSCOMPILING_EMULATOR) and for
# manual runs, and returns the program's exit code.
#   - a private Wine prefix: $NORVI_WINEPREFIX, else build/wineprefix of this checkout,
#     initialised once (a lock keeps parallel test jobs from initialising it twice);
#   - no DISPLAY: a private Xvfb on a free display for this run, stopped afterwards.
set -uo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export WINEPREFIX="${NORVI_WINEPREFIX:-$here/../build/wineprefix}"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"  # no Mono/Gecko installer prompts

if [ $# -eq 0 ]; then
  echo "usage: wine-run.sh program.exe [arguments...]" >&2
  exit 2
fi

wine_binary=wine
if command -v wine64 >/dev/null 2>&1; then
  wine_binary=wine64
elif [ -x /usr/lib/wine/wine64 ]; then
  wine_binary=/usr/lib/wine/wine64
fi

xvfb_pid=""
stop_xvfb() {
  if [ -n "$xvfb_pid" ]; then
    # Wine's own processes of this prefix hold the display: let them end first (a program
    # that does not end is not worth hanging the test run for).
    timeout 30 wineserver -w 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
}
trap stop_xvfb EXIT

start_xvfb() {
  local n
  for n in $(seq 120 199); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
    xvfb_pid=$!
    local i
    for i in $(seq 1 100); do
      [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.05
    done
    kill "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  done
  echo "wine-run.sh: could not start Xvfb" >&2
  return 1
}

if [ -z "${DISPLAY:-}" ]; then
  start_xvfb || exit 1
fi

mkdir -p "$(dirname "$WINEPREFIX")"
(
  flock 9
  if [ ! -f "$WINEPREFIX/.norvi-ready" ]; then
    rm -rf "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    # A crash prints its backtrace and ends the program: no dialog waiting for a click.
    "$wine_binary" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f \
      >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.norvi-ready"
  fi
  # No window manager runs on the test displays: Wine is to draw the title bars and frames
  # of Norvi's dialog windows itself rather than leave them to one.
  if [ ! -f "$WINEPREFIX/.norvi-frames" ]; then
    "$wine_binary" reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1 &&
      touch "$WINEPREFIX/.norvi-frames"
  fi
  # Wine starts the user folders (Desktop, Documents, Music...) as links to the Unix home:
  # the tests' programs must neither search nor write the developer's own files.
  for folder in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$folder" ]; then rm -f "$folder" && mkdir -p "$folder"; fi
  done
) 9>"$WINEPREFIX.lock"

"$wine_binary" "$@"
status=$?
exit $status
