#!/usr/bin/env bash
# Starts Vemora.exe on a private Xvfb display and writes a picture of its window.
#   scripts/screenshot.sh EXE OUTPUT.png
set -euo pipefail
exe=$(readlink -f "$1")
out=$2
root=$(cd "$(dirname "$0")/.." && pwd)

display_file=$(mktemp)
Xvfb -displayfd 1 -screen 0 1024x768x24 -nolisten tcp >"$display_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true; rm -f "$display_file"' EXIT
for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$display_file")"

"$root/scripts/wine.sh" "$exe" &
app=$!
window=
for _ in $(seq 300); do
  window=$(xdotool search --name 'Vemora V2.8' 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "screenshot: the main window did not appear" >&2; exit 1; }
sleep 1   # let the first paint finish

# A short watch, so the picture shows what the program is for.
watched=$(mktemp -d /tmp/vemora-shot-XXXXXX)
trap 'kill $xvfb 2>/dev/null || true; rm -f "$display_file"; rm -rf "$watched"' EXIT
eval "$(xdotool getwindowgeometry --shell "$window")"
client_x=$((X + 8)) client_y=$((Y + 27))   # inside the skinned frame
xdotool mousemove $((client_x + 100)) $((client_y + 30)) click 1
xdotool type --delay 20 "Z:${watched//\//\\}"
xdotool mousemove $((client_x + 450)) $((client_y + 183)) click 1
sleep 1
mkdir "$watched/报告"
echo a >"$watched/报告/季度.xlsx"
echo b >"$watched/readme.txt"
mv "$watched/readme.txt" "$watched/说明.txt"
echo c >"$watched/草稿.doc"
rm "$watched/草稿.doc"
sleep 1.5
import -window root -crop "$(xdotool getwindowgeometry --shell "$window" | awk -F= '
  /WIDTH/{w=$2} /HEIGHT/{h=$2} /^X/{x=$2} /^Y/{y=$2} END{printf "%dx%d+%d+%d", w, h, x, y}')" "$out"
mogrify +repage "$out"
xdotool windowclose "$window" 2>/dev/null || true
WINEPREFIX=$("$root/scripts/wine.sh" --prefix) /usr/lib/wine/wineserver -k 2>/dev/null || true
wait $app 2>/dev/null || true
echo "wrote $out"
