# Sourced by the end-to-end scripts: a private X display for Wine, and its teardown on exit.
#   x_display_start [SCREEN]   starts Xvfb (default 1024x768x24) and exports DISPLAY
# On exit the script's Wine server (WINEPREFIX, or the project's prefix) is killed, the
# display stopped, and then the script's own on_exit function runs, if it defines one.
x_display_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)

x_display_stop() {
  WINEPREFIX=$("$x_display_root/scripts/wine.sh" --prefix) /usr/lib/wine/wineserver -k 2>/dev/null || true
  kill "$x_display_xvfb" 2>/dev/null || true
  rm -f "$x_display_file"
  if declare -F on_exit >/dev/null; then on_exit || true; fi
}

x_display_start() {
  x_display_file=$(mktemp)
  Xvfb -displayfd 1 -screen 0 "${1:-1024x768x24}" -nolisten tcp >"$x_display_file" 2>/dev/null &
  x_display_xvfb=$!
  trap x_display_stop EXIT
  for _ in $(seq 100); do [ -s "$x_display_file" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n1 "$x_display_file")"
}

# Prints the id of the first visible window whose name matches, waiting up to 30 s.
x_wait_window() {
  local window
  for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1) && [ -n "$window" ] &&
      echo "$window" && return 0
    sleep 0.1
  done
  return 1
}
