#!/usr/bin/env bash
# The folder picker as a user drives it, with the real mouse and keyboard on the X display:
# a double-click in the path edit opens it at the typed folder, Cancel keeps the edit, Left
# and OK take the parent (kept in Vemora.ini in remember mode), the folder button opens it
# too, and paths that cannot be used open it at the root without an error box.
#   tests/e2e/folder_picker.sh BUILD_DIR        (the directory holding Vemora.exe)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(readlink -f "$1")
exe=$build/Vemora.exe
main='Vemora V2.8(目录监视专家)'
picker='Browse for Folder'

deep_unix=/tmp/vp-$$
ini=$build/Vemora.ini
[ -f "$ini" ] && mv "$ini" "$ini.before-picker-test"
on_exit() {
  rm -f "$ini"
  [ -f "$ini.before-picker-test" ] && mv "$ini.before-picker-test" "$ini"
  rm -rf "$deep_unix"
}
. "$root/tests/e2e/x_display.sh"
x_display_start

fail() { echo "folder picker: $*" >&2; exit 1; }
probe() { "$root/scripts/wine.sh" "$build/vemora_e2e_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }
# Centre of a window or control, for the mouse.
centre() {
  local r
  r=$(probe rect "$@") || fail "no window: $*"
  read -r x y w h <<<"$r"
  echo "$((x + w / 2)) $((y + h / 2))"
}
click_at() { xdotool mousemove "$1" "$2" click 1; }

# Eight levels below the test directory, the deepest the picker must walk to.
deep=$deep_unix/l1/l2/l3/l4/l5/l6/l7/l8
mkdir -p "$deep"
deep_win="Z:${deep//\//\\}"
parent_win="${deep_win%\\*}"

# Remember mode on, so an accepted folder lands in Vemora.ini.
printf '[Set]\r\nremeberset=1\r\n' >"$ini"
"$root/scripts/wine.sh" "$exe" >/dev/null 2>&1 &
probe rect "$main" >/dev/null || fail "the main window did not appear"

# Types a path into the edit as a user would: select what is there, type over it.
type_path() {
  read -r ex ey <<<"$(centre "$main" Edit)"
  click_at "$ex" "$ey"
  xdotool key End shift+Home
  xdotool type --delay 5 "$1"
}
double_click_edit() {
  read -r ex ey <<<"$(centre "$main" Edit)"
  xdotool mousemove "$ex" "$ey" click --repeat 2 --delay 80 1
}
edit_text() { probe text "$main" Edit; }

type_path "$deep_win"
probe wait-text "$main" Edit "$deep_win" >/dev/null || fail "typing the path gave \"$(edit_text)\""
# The time from the double-click to the selected node, read by a probe started right after
# the click; the probe's own start-up, measured in the same run, is the baseline.
read -r ex ey <<<"$(centre "$main" Edit)"
t0=$(date +%s%3N); probe text "$main" Edit >/dev/null; baseline=$(($(date +%s%3N) - t0))
start=$(date +%s%3N)
xdotool mousemove "$ex" "$ey" click --repeat 2 --delay 80 1
seen=$(probe wait-text "$picker" msctls_statusbar32 "$deep_win") ||
  fail "the picker did not show $deep_win selected: $seen"
shown=$(tail -n1 <<<"$seen")
# What the user sees: the picker over the main window.
import -window root "$root/build/picker.png" 2>/dev/null || true
echo "folder picker: opened 8 levels deep with the folder selected within $((shown - start)) ms of the double-click" \
  "(the probe's own start-up, included: $baseline ms)"

read -r cx cy <<<"$(centre "$picker" Button Cancel)"
click_at "$cx" "$cy"
probe wait-gone "$picker" || fail "Cancel did not close the picker"
[ "$(edit_text)" = "$deep_win" ] || fail "Cancel changed the edit to \"$(edit_text)\""

double_click_edit
probe wait-text "$picker" msctls_statusbar32 "$deep_win" >/dev/null || fail "the picker did not reopen at $deep_win"
xdotool key Left   # the parent
probe wait-text "$picker" msctls_statusbar32 "$parent_win" >/dev/null || fail "Left did not select the parent"
read -r ox oy <<<"$(centre "$picker" Button OK)"
click_at "$ox" "$oy"
probe wait-gone "$picker" || fail "OK did not close the picker"
probe wait-text "$main" Edit "$parent_win" >/dev/null || fail "OK put \"$(edit_text)\" into the edit, not $parent_win"
for _ in $(seq 100); do grep -qF "Dir=$parent_win" "$ini" && break; sleep 0.1; done
grep -qF "Dir=$parent_win" "$ini" || fail "Vemora.ini does not hold the chosen folder: $(cat "$ini")"

# The folder button: the first control to the right of the edit.
read -r bx by bw bh <<<"$(probe rect "$main" Edit)"
folder_button_x=$((bx + bw + 20))
folder_button_y=$((by + bh / 2))
for text in 'Q:\no\such\folder' 'Z:\tmp\bad<|>"name'; do
  type_path "$text"
  probe wait-text "$main" Edit "$text" >/dev/null || fail "typing gave \"$(edit_text)\""
  click_at "$folder_button_x" "$folder_button_y"
  probe rect "$picker" >/dev/null || fail "the folder button did not open the picker for $text"
  boxes=$(probe boxes)
  [ -z "$boxes" ] || fail "an error box appeared for $text: $boxes"
  # On the root: the desktop's own directory is the selected path.
  status=$(probe text "$picker" msctls_statusbar32)
  case "$status" in
    *[Dd]esktop*) ;;
    *) fail "for $text the picker did not open on the root (status \"$status\")" ;;
  esac
  xdotool key Escape
  probe wait-gone "$picker" || fail "Escape did not close the picker"
  [ "$(edit_text)" = "$text" ] || fail "Escape changed the edit for $text"
done
echo "folder picker: double-click and folder button open it at the typed folder; OK, Cancel and Escape behave; unusable paths open the root"
