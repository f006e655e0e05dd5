#!/usr/bin/env bash
# On a 144-DPI display the main window keeps one size for frame, controls and list: the
# program is DPI-unaware, so Windows scales the whole window as one picture, and Wine, which
# does not scale, shows it at its own pixel size. Either way the window is 601 × 444 pixels
# of the program's own layout, never a 1.5-times client inside a 1-times frame.
#   tests/e2e/high_dpi.sh PATH/TO/Vemora.exe
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
exe=$(readlink -f "$1")
prefix="$(dirname "$("$root/scripts/wine.sh" --prefix)")/wineprefix-dpi144"

export WINEPREFIX=$prefix
. "$root/tests/e2e/x_display.sh"
x_display_start 1280x900x24

run() { "$root/scripts/wine.sh" "$@"; }
if [ ! -f "$prefix/system.reg" ]; then
  run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null 2>&1
  run reg add 'HKLM\System\CurrentControlSet\Hardware Profiles\Current\Software\Fonts' /v LogPixels \
    /t REG_DWORD /d 144 /f >/dev/null 2>&1
fi
run "$exe" >/dev/null 2>&1 &

fail() { echo "high dpi: $*" >&2; exit 1; }
window=$(x_wait_window 'Vemora V2.8') || fail "the main window did not appear"
eval "$(xdotool getwindowgeometry --shell "$window")"
[ "$WIDTH" = 601 ] && [ "$HEIGHT" = 444 ] || fail "the window is ${WIDTH} x ${HEIGHT} at 144 DPI, not 601 x 444"
echo "high dpi: at 144 DPI the window keeps its 601 x 444 layout"
