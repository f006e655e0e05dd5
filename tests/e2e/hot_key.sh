#!/usr/bin/env bash
# Ctrl+Alt+M typed on the X display hides Vemora's window, and a second press shows it.
#   tests/e2e/hot_key.sh PATH/TO/Vemora.exe
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(readlink -f "$1")
caption='Vemora V2.8'

. "$root/tests/e2e/x_display.sh"
x_display_start

"$root/scripts/wine.sh" "$exe" >/dev/null 2>&1 &

# Waits up to 20 s for the window to be (in)visible: visible | hidden
wait_for() {
  for _ in $(seq 200); do
    if [ "$1" = visible ]; then
      xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1 && return 0
    else
      xdotool search --onlyvisible --name "$caption" >/dev/null 2>&1 || return 0
    fi
    sleep 0.1
  done
  return 1
}

fail() { echo "hot key: $*" >&2; exit 1; }
wait_for visible || fail "the main window did not appear"
sleep 1   # the window takes its key grabs once shown
xdotool key ctrl+alt+m
wait_for hidden || fail "Ctrl+Alt+M did not hide the window"
# Wine turns X key presses into hot keys only while one of its windows can take them; with
# the main window hidden, that is the window of the tray icon (shown by default).
xdotool key ctrl+alt+m
wait_for visible || fail "a second Ctrl+Alt+M did not show the window"
echo "hot key: Ctrl+Alt+M hides and shows the main window"
