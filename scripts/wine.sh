#!/usr/bin/env bash
# Runs a Windows program under Wine with the project's private prefix, the Chinese locale
# (ANSI code page 936) and a display: the caller's, or a private Xvfb when there is none.
#   scripts/wine.sh PROGRAM.exe [ARGS...]
#   scripts/wine.sh --arch     prints win32 or win64: the build this host can run
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)

# Some hosts run 64-bit user code only (the kernel refuses i386 programs); there the 32-bit
# Wine cannot start, and the tests run the 64-bit build of the same sources.
host_runs_32bit() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

if [ "${1:-}" = "--arch" ]; then
  if host_runs_32bit; then echo win32; else echo win64; fi
  exit 0
fi

export LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
if host_runs_32bit; then
  loader=/usr/lib/wine/wine
  export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix32}
  export WINEARCH=win32
else
  loader=/usr/lib/wine/wine64
  export WINEPREFIX=${WINEPREFIX:-$root/build/wineprefix64}
  export WINELOADER=$loader
fi

if [ "${1:-}" = "--prefix" ]; then
  echo "$WINEPREFIX"
  exit 0
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  "$loader" wineboot -i >/dev/null 2>&1 || true
  # Wine draws the window frames itself, so a bare Xvfb without a window manager shows them.
  "$loader" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  /usr/lib/wine/wineserver -w || true
fi

xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  Xvfb -displayfd 1 -screen 0 1280x800x24 -nolisten tcp >"$WINEPREFIX/xvfb.display" 2>/dev/null &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$WINEPREFIX/xvfb.display" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(head -n1 "$WINEPREFIX/xvfb.display")"
fi

set +e
"$loader" "$@"
status=$?
if [ -n "$xvfb_pid" ]; then
  /usr/lib/wine/wineserver -k 2>/dev/null   # the private display goes away with us
fi
exit $status
