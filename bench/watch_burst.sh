#!/usr/bin/env bash
# Creates 10,000 files from Linux as fast as it can while Vemora watches with auto-save,
# and counts the same burst with inotifywait as the reference.
#   bench/watch_burst.sh BUILD_DIR [FILES]
# With VEMORA_BENCH_NO_LOG set, the watch records rows only (no daily log), to tell the
# cost of the log from that of the rows.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
files=${2:-10000}

work=$(mktemp -d /tmp/vemora-burst-XXXXXX)
trap 'kill ${inotify_pid:-} 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$work/watched" "$work/app"
winpath() { echo "Z:${1//\//\\}"; }

"$root/scripts/wine.sh" "$build/vemora_win_bench.exe" watch "$(winpath "$work/watched")" "$(winpath "$work/app")\\" \
  "$(winpath "$work/ready")" "$files" >"$work/result" 2>&1 &
bench_pid=$!
for _ in $(seq 600); do [ -e "$work/ready" ] && break; sleep 0.1; done
[ -e "$work/ready" ] || { cat "$work/result"; echo "watch_burst: the watch did not start" >&2; exit 1; }

inotifywait -m -r -q -e create --format '%f' "$work/watched" >"$work/inotify" 2>/dev/null &
inotify_pid=$!
sleep 0.5   # inotifywait sets up its watches

start=$(date +%s.%N)
for ((i = 0; i < files; i++)); do : >"$work/watched/file-$i.txt"; done
end=$(date +%s.%N)

wait $bench_pid
sleep 0.5
kill $inotify_pid 2>/dev/null || true
reference=$(wc -l <"$work/inotify")
cat "$work/result"
awk -v s="$start" -v e="$end" -v n="$files" 'BEGIN{printf "burst: %d files created by Linux in %.3f s\n", n, e - s}'
echo "reference: inotifywait -m -r saw $reference create events"
