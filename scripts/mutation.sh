#!/usr/bin/env bash
# Plants each fault of a list alone into a copy of the sources, rebuilds the Windows tests
# and runs them under Wine. A fault the tests let through survived; a fault whose text is no
# longer in its file, or that does not compile, is an error of the list, never "caught".
#   scripts/mutation.sh SKIN_BLOCK [LIST]        (make mutation)
#   scripts/mutation.sh --check [LIST]           only checks that every fault's text is found
# MUTATION_FILTER (a GoogleTest filter) narrows the tests run per fault, for a quicker look.
#
# The list (tests/mutations.txt) has one fault per line,
#   path/from/the/root: exact text => replacement
# the text occurring exactly once in the file. Lines starting with "#" name the fault below
# them; blank lines separate faults.
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
skin_block=$1
list=${2:-$root/tests/mutations.txt}
check_only=0
[ "$skin_block" = --check ] && check_only=1
arch=$("$root/scripts/wine.sh" --arch)
case $arch in
  win32) toolchain=mingw-i686 ;;
  *) toolchain=mingw-x86_64 ;;
esac
work=$root/build/mutation
tree=$work/tree
# Laid out as in a checkout, so a compiler cache shared with the checkout's builds serves it.
build=$tree/build/$arch
log=$work/log
mkdir -p "$work" "$log" "$tree"
# A Wine prefix of its own: the tests register a global hot key, and a make test running
# meanwhile must not find it taken.
export WINEPREFIX=$work/wineprefix-$arch

# The sources as they stand in the working tree; the copy keeps their times, so the build
# there stays incremental from one run to the next.
(cd "$root" && git ls-files -co --exclude-standard -z | tar --null -T - -cf -) | tar -xf - -C "$tree"

[ $check_only = 1 ] || cmake -S "$tree" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_TOOLCHAIN_FILE="$tree/cmake/$toolchain.cmake" -DVEMORA_SKIN_BLOCK="$skin_block" >/dev/null || exit 1

# Builds and runs the tests; 0 when they pass. A planted fault may make a test hang: that is
# a failure too, bounded by the time-out.
run_tests() {
  local out=$1
  cmake --build "$build" -j "${JOBS:-2}" --target vemora_win_tests >"$out.build" 2>&1 || return 2
  timeout "${MUTATION_TIMEOUT:-900}" "$root/scripts/wine.sh" "$build/vemora_win_tests.exe" \
    --gtest_fail_fast --gtest_brief=1 --gtest_filter="${MUTATION_FILTER:-*}" >"$out" 2>&1 || return 1
  return 0
}

if [ $check_only = 1 ]; then
  :
else
  echo "mutation: baseline (no fault planted)"
  # The tests read the program's file beside them (its manifest, its resources); the faults
  # are in code the tests run in their own process, so it is built once, unchanged.
  cmake --build "$build" -j "${JOBS:-2}" --target Vemora >"$log/baseline.exe.build" 2>&1 || {
    echo "mutation: Vemora.exe does not build, see $log/baseline.exe.build" >&2
    exit 1
  }
  run_tests "$log/baseline"
fi
case $? in
  0) ;;
  2) echo "mutation: the unchanged sources do not build, see $log/baseline.build" >&2; exit 1 ;;
  *) echo "mutation: the tests fail without any fault, see $log/baseline" >&2; exit 1 ;;
esac

entry='^([^:]+): (.+) =>( (.*))?$'
caught=0 survived=0 errors=0
name="" number=0 line_no=0
report=()
while IFS= read -r line || [ -n "$line" ]; do
  line_no=$((line_no + 1))
  case $line in
    '#'*) name=${line#\#}; name=${name# }; continue ;;
    '') name=""; continue ;;
  esac
  number=$((number + 1))
  label="$number. ${name:-line $line_no}"
  if [[ ! $line =~ $entry ]]; then
    report+=("error     $label: line $line_no is not 'file: text => replacement'")
    errors=$((errors + 1))
    continue
  fi
  file=${BASH_REMATCH[1]} text=${BASH_REMATCH[2]} replacement=${BASH_REMATCH[4]}
  target=$tree/$file
  if [ ! -f "$target" ]; then
    report+=("error     $label: no file $file")
    errors=$((errors + 1))
    continue
  fi
  original=$(<"$target")
  after=${original#*"$text"}
  if [ "$after" = "$original" ]; then
    report+=("error     $label: the text is no longer in $file")
    errors=$((errors + 1))
    continue
  fi
  if [ "${after#*"$text"}" != "$after" ]; then
    report+=("error     $label: the text occurs more than once in $file")
    errors=$((errors + 1))
    continue
  fi
  if [ $check_only = 1 ]; then
    report+=("found     $label")
    continue
  fi
  cp -p "$target" "$work/original"
  printf '%s\n' "${original%%"$text"*}$replacement$after" >"$target"
  echo "mutation: $label"
  run_tests "$log/$number"
  status=$?
  cp -p "$work/original" "$target"
  touch "$target"  # newer than the mutant's objects: the next build compiles it again
  case $status in
    0) report+=("SURVIVED  $label"); survived=$((survived + 1)) ;;
    1)
      by=$(grep -m1 -o '^\[  FAILED  \] [A-Za-z0-9_./]*' "$log/$number" | cut -c14-)
      report+=("caught    $label (${by:-timed out or crashed})")
      caught=$((caught + 1))
      ;;
    *) report+=("error     $label: does not compile, see $log/$number.build"); errors=$((errors + 1)) ;;
  esac
done <"$list"

echo
printf '%s\n' "${report[@]}"
if [ $check_only = 1 ]; then
  echo "mutation: $((number - errors)) found, $errors errors"
else
  echo "mutation: $caught caught, $survived survived, $errors errors (logs in $log)"
fi
[ "$survived" -eq 0 ] && [ "$errors" -eq 0 ]
