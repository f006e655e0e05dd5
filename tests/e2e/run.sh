#!/usr/bin/env bash
# Runs the end-to-end tests on a private X display, with a helper that performs the real mouse
# and keyboard actions the tests ask for (xdotool), one request at a time.
#   tests/e2e/run.sh BUILD_DIR [gtest args...]
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(readlink -f "$1")
shift

xdo_dir=$(mktemp -d /tmp/vemora-xdo-XXXXXX)
server=
on_exit() {
  [ -n "$server" ] && kill "$server" 2>/dev/null || true
  rm -rf "$xdo_dir"
}
. "$root/tests/e2e/x_display.sh"
x_display_start

# A request is one line of xdotool arguments in $xdo_dir/request; the answer (its exit
# status) appears in $xdo_dir/done.
(
  while :; do
    if [ -f "$xdo_dir/request" ]; then
      args=$(cat "$xdo_dir/request")
      rm -f "$xdo_dir/request"
      # shellcheck disable=SC2086
      if xdotool $args >/dev/null 2>&1; then echo 0 >"$xdo_dir/done.tmp"; else echo 1 >"$xdo_dir/done.tmp"; fi
      mv "$xdo_dir/done.tmp" "$xdo_dir/done"
    fi
    sleep 0.02
  done
) &
server=$!

export VEMORA_XDO_DIR="Z:${xdo_dir//\//\\}"
"$root/scripts/wine.sh" "$build/vemora_e2e_tests.exe" "$build/Vemora.exe" "$@"
