#!/usr/bin/env bash
# Pictures of the skinned menus and hints on a private Xvfb: the system menu of the menu
# test form (twelve items, five at a time, the second one highlighted) and the hint of the
# Start button over Vemora's main window.
#   scripts/screenshot-menus.sh BUILD_DIR OUTPUT_DIR
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(readlink -f "$1")
out=$(readlink -f "$2")
mkdir -p "$out"

display_file=$(mktemp)
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$display_file" 2>/dev/null &
xvfb=$!
cleanup() {
  WINEPREFIX=$("$root/scripts/wine.sh" --prefix) /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill $xvfb 2>/dev/null || true
  rm -f "$display_file"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$display_file")"

fail() { echo "screenshot-menus: $*" >&2; exit 1; }
find_window() {
  local w=
  for _ in $(seq 300); do
    w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [ -n "$w" ] && break
    sleep 0.1
  done
  [ -n "$w" ] || fail "no window \"$1\""
  echo "$w"
}
# The screen from X, Y with the size W x H.
shoot() { import -window root -crop "$3x$4+$1+$2" "$5"; mogrify +repage "$5"; echo "wrote $5"; }

"$root/scripts/wine.sh" "$build/vemora_menu_form.exe" 12 5 >/dev/null 2>&1 &
form=$(find_window 'Vemora menu test form')
sleep 1   # the first paint
eval "$(xdotool getwindowgeometry --shell "$form")"
xdotool mousemove $((X + 120)) $((Y + 10)) click 1 click 3
sleep 0.5
xdotool key Down
xdotool mousemove $((X + 60)) $((Y + 200))
sleep 0.5
shoot "$X" "$Y" 420 320 "$out/menu.png"
xdotool key Escape
xdotool windowclose "$form" 2>/dev/null || true

"$root/scripts/wine.sh" "$build/Vemora.exe" >/dev/null 2>&1 &
main=$(find_window 'Vemora V2.8')
sleep 1
eval "$(xdotool getwindowgeometry --shell "$main")"
read -r bx by bw bh < <("$root/scripts/wine.sh" "$build/vemora_e2e_probe.exe" rect 'Vemora V2.8(目录监视专家)' TspSkinButton '开始' 2>/dev/null | tr -d '\r')
[ -n "${bx:-}" ] || fail "no Start button"
xdotool mousemove $((bx + bw / 2 - 2)) $((by + bh / 2)) mousemove $((bx + bw / 2)) $((by + bh / 2))
sleep 2   # the platform's hint pause, then the paint
shoot "$X" "$Y" "$WIDTH" "$HEIGHT" "$out/hint.png"
