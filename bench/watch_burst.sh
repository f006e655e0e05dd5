#!/usr/bin/env bash
# Bursts of files created from Linux as fast as it can while Vemora watches with auto-save,
# with inotifywait as the reference count and a bare watcher (a 64 KB read re-issued at once,
# only counting) as the baseline of what Wine itself delivers, in the same run:
#   RUNS bursts of FILES files into the watched directory, each followed by the same burst
#   against the bare watcher; then one burst of TREE_FILES files into 100 subdirectories
#   created during the watch (subtree on).
#   bench/watch_burst.sh BUILD_DIR [FILES] [RUNS] [TREE_FILES]
# With VEMORA_BENCH_BARE_ONLY set, RUNS bursts against the bare watcher alone.
# Delays are from the last creation to the last row, to the last daily-log line, and to the
# bare watcher's last name. With VEMORA_BENCH_NO_LOG set, the watch records rows only.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
files=${2:-10000}
runs=${3:-5}
tree_files=${4:-100000}

winpath() { echo "Z:${1//\//\\}"; }

# One burst against one watcher: vemora (the program's own window) or bare. Prints the
# watcher's report, then "burst: CREATED_SECONDS END_TIME INOTIFY_COUNT".
burst() {
  local mode=$1 count=$2 shape=$3 work
  work=$(mktemp -d /tmp/vemora-burst-XXXXXX)
  mkdir -p "$work/watched" "$work/app"
  local expected=$count
  [ "$shape" = tree ] && expected=$((count + 100))
  VEMORA_BENCH_TREE=$([ "$shape" = tree ] && echo 1 || true) \
    "$root/scripts/wine.sh" "$build/vemora_win_bench.exe" "$mode" "$(winpath "$work/watched")" \
    "$(winpath "$work/app")\\" "$(winpath "$work/ready")" "$expected" >"$work/result" 2>&1 &
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
  if [ "$shape" = tree ]; then
    for ((d = 0; d < 100; d++)); do
      mkdir "$work/watched/dir-$d"
      for ((i = 0; i < count / 100; i++)); do : >"$work/watched/dir-$d/file-$i.txt"; done
    done
  else
    for ((i = 0; i < count; i++)); do : >"$work/watched/file-$i.txt"; done
  fi
  end=$(date +%s.%N)
  wait $bench_pid
  sleep 0.5
  kill $inotify_pid 2>/dev/null || true
  grep -v '^watch: missing$' "$work/result" || true
  echo "burst: $(awk -v s="$start" -v e="$end" 'BEGIN{printf "%.3f", e - s}') $end $(wc -l <"$work/inotify")"
  rm -rf "$work"
}

field() { sed -n "s/.*$1 \([0-9.]*\).*/\1/p" | head -n 1; }

if [ "${VEMORA_BENCH_BARE_ONLY:-}" ]; then  # how often Wine itself loses names: the bare watcher alone
  for ((run = 1; run <= runs; run++)); do burst bare "$files" flat | grep '^baseline'; done
  exit 0
fi

echo "watch_burst: $runs runs of $files files; delays from the last creation"
printf '%4s %13s %13s %9s %10s %10s %11s %11s %11s %11s  %s\n' run rows log-lines inotify created-s \
  to-row-s to-log-s bare-names bare-last-s round-trip idle-window longest-message
for ((run = 1; run <= runs; run++)); do
  watch=$(burst watch "$files" flat)
  bare=$(burst bare "$files" flat)
  echo "$watch" | grep -E '^watch: missing' | cut -c1-300 || true
  read -r created end inotify < <(echo "$watch" | sed -n 's/^burst: //p')
  rows=$(echo "$watch" | field 'rows')
  lines=$(echo "$watch" | field 'daily-log lines')
  last_row=$(echo "$watch" | field 'last row at')
  last_log=$(echo "$watch" | field 'last log line at')
  trip=$(echo "$watch" | field 'longest round trip')
  longest=$(echo "$watch" | sed -n 's/.*longest message \(0x[0-9a-f]* to [A-Za-z0-9_]*\), \([0-9.]*\) ms.*/\1 \2ms/p' | tr ' ' '_')
  read -r _ bare_end _ < <(echo "$bare" | sed -n 's/^burst: //p')
  bare_names=$(echo "$bare" | sed -n 's/^baseline bare: \([0-9]*\) of.*/\1/p')
  bare_last=$(echo "$bare" | field 'last at')
  idle=$(echo "$bare" | field 'idle window')
  awk -v run="$run" -v rows="$rows" -v lines="$lines" -v n="$files" -v ino="$inotify" -v c="$created" \
    -v e="$end" -v r="$last_row" -v l="$last_log" -v bn="$bare_names" -v be="$bare_end" -v bl="$bare_last" \
    -v t="$trip" -v m="$longest" -v i="$idle" 'BEGIN{printf "%4d %6d/%-6d %6d/%-6d %9d %10.3f %10.3f %11.3f %5d/%-5d %11.3f %8.1f ms %8.1f ms  %s\n",
      run, rows, n, lines, n, ino, c, r - e, l - e, bn, n, bl - be, t, i, m}'
done

echo "watch_burst: $tree_files files into 100 subdirectories created during the watch (subtree on)"
tree=$(burst watch "$tree_files" tree)
echo "$tree" | grep '^watch: '
read -r created end inotify < <(echo "$tree" | sed -n 's/^burst: //p')
awk -v rows="$(echo "$tree" | field 'rows')" -v ino="$inotify" -v c="$created" -v e="$end" \
  -v r="$(echo "$tree" | field 'last row at')" -v l="$(echo "$tree" | field 'last log line at')" \
  'BEGIN{printf "  created in %.3f s; rows %d, inotifywait -r saw %d (ratio %.4f); last row %.3f s and last log line %.3f s after the last creation\n",
    c, rows, ino, rows / ino, r - e, l - e}'
