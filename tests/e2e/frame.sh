#!/usr/bin/env bash
# The skinned frame of Vemora's main window under the real mouse: maximize and restore with
# the caption button, the right border held at the minimum width, and the close button
# asking before the program ends.
#   tests/e2e/frame.sh PATH/TO/Vemora.exe
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(readlink -f "$1")
caption='Vemora V2.8'

. "$root/tests/e2e/x_display.sh"
x_display_start

"$root/scripts/wine.sh" "$exe" >/dev/null 2>&1 &
app=$!

fail() { echo "frame: $*" >&2; exit 1; }
window=$(x_wait_window "$caption") || fail "the main window did not appear"

geometry() { eval "$(xdotool getwindowgeometry --shell "$window")"; echo "$X,$Y,$WIDTH,$HEIGHT"; }
# Waits up to 10 s for the window's geometry to satisfy a test on X, Y, WIDTH, HEIGHT.
wait_geometry() {
  for _ in $(seq 100); do
    eval "$(xdotool getwindowgeometry --shell "$window")"
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}
click_at() { xdotool mousemove "$1" "$2"; sleep 0.2; xdotool click 1; }

wait_geometry '[ "$WIDTH" = 601 ] && [ "$HEIGHT" = 444 ]' || fail "the window is not 601 x 444: $(geometry)"
before=$(geometry)
eval "$(xdotool getwindowgeometry --shell "$window")"
# The buttons are laid out from the caption's right edge: maximize at 304 + dx ... 329 + dx.
dx=$((WIDTH - 378))
click_at $((X + 316 + dx)) $((Y + 9))
wait_geometry '[ "$WIDTH" -ge 1022 ] && [ "$HEIGHT" -ge 766 ]' || fail "maximize did not fill the screen: $(geometry)"
maximized=$(geometry)
eval "$(xdotool getwindowgeometry --shell "$window")"
click_at $((X + 316 + WIDTH - 378)) $((Y + 9))
wait_geometry "[ \"\$X,\$Y,\$WIDTH,\$HEIGHT\" = \"$before\" ]" || fail "restore did not return to $before: $(geometry)"
echo "frame: maximize $before -> $maximized and back"

# Drag the right border far to the left: the window stops at 592 pixels.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + WIDTH - 2)) $((Y + 200)); sleep 0.2
xdotool mousedown 1; sleep 0.2
xdotool mousemove $((X + WIDTH - 100)) $((Y + 200)); sleep 0.2
xdotool mousemove $((X + WIDTH - 300)) $((Y + 200)); sleep 0.2
xdotool mouseup 1
wait_geometry '[ "$WIDTH" = 592 ]' || fail "the right border did not stop at 592: $(geometry)"
echo "frame: dragging the right border stops at $(geometry)"

# Close asks first; Enter answers yes and the program ends.
eval "$(xdotool getwindowgeometry --shell "$window")"
click_at $((X + 350 + WIDTH - 378)) $((Y + 9))
box=
for _ in $(seq 100); do
  box=$(xdotool search --onlyvisible --name '^Vemora$' 2>/dev/null | head -n1) && [ -n "$box" ] && break
  sleep 0.1
done
[ -n "$box" ] || fail "the close button opened no confirmation"
xdotool windowactivate --sync "$box" 2>/dev/null || true
xdotool key Return
for _ in $(seq 100); do kill -0 $app 2>/dev/null || break; sleep 0.1; done
kill -0 $app 2>/dev/null && fail "the program did not end after the confirmation"
echo "frame: the close button asks, and yes ends the program"
