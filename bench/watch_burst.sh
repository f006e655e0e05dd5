#!/usr/bin/env bash
# Creates 10,000 files from Linux as fast as it can while Vemora watches with auto-save,
# and counts the same burst with inotifywait as the reference. Two more bursts measure the
# baselines in the same run: a bare watcher that only counts, and the blocking design (small
# buffer, each record recorded before the next read).
#   bench/watch_burst.sh BUILD_DIR [FILES]
# With VEMORA_BENCH_NO_LOG set, the watch records rows only (no daily log), to tell the
# cost of the log from that of the rows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
files=${2:-10000}

winpath() { echo "Z:${1//\//\\}"; }

# One burst against one watcher: vemora (the program's own window), or a baseline.
burst() {
  local mode=$1 work
  work=$(mktemp -d /tmp/vemora-burst-XXXXXX)
  mkdir -p "$work/watched" "$work/app"
  "$root/scripts/wine.sh" "$build/vemora_win_bench.exe" "$mode" "$(winpath "$work/watched")" \
    "$(winpath "$work/app")\\" "$(winpath "$work/ready")" "$files" >"$work/result" 2>&1 &
  local bench_pid=$!
  for _ in $(seq 600); do [ -e "$work/ready" ] && break; sleep 0.1; done
  if [ ! -e "$work/ready" ]; then
    cat "$work/result"; echo "watch_burst: the $mode watch did not start" >&2; rm -rf "$work"; return 1
  fi
  inotifywait -m -r -q -e create --format '%f' "$work/watched" >"$work/inotify" 2>/dev/null &
  local inotify_pid=$!
  sleep 0.5   # inotifywait sets up its watches
  local start end
  start=$(date +%s.%N)
  for ((i = 0; i < files; i++)); do : >"$work/watched/file-$i.txt"; done
  end=$(date +%s.%N)
  wait $bench_pid
  sleep 0.5
  kill $inotify_pid 2>/dev/null || true
  cat "$work/result"
  awk -v s="$start" -v e="$end" -v n="$files" -v r="$(wc -l <"$work/inotify")" \
    'BEGIN{printf "  burst: %d files created by Linux in %.3f s; inotifywait -m -r saw %d\n", n, e - s, r}'
  rm -rf "$work"
}

burst watch
burst bare
burst blocking
