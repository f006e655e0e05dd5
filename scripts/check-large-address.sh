#!/usr/bin/env bash
# Fails when a 32-bit executable is not large-address-aware: without the flag, 64-bit
# Windows gives the program 2 GB of address space instead of 4 GB.
#   scripts/check-large-address.sh EXE
set -euo pipefail
exe=$1
u16() { od -An -tu2 -j "$1" -N2 "$exe" | tr -d ' '; }
u32() { od -An -tu4 -j "$1" -N4 "$exe" | tr -d ' '; }
pe=$(u32 60)  # e_lfanew: where the PE header starts
if [ "$(u32 "$pe")" != $((0x00004550)) ]; then
  echo "$exe: not a PE executable" >&2
  exit 1
fi
machine=$(u16 $((pe + 4)))
characteristics=$(u16 $((pe + 22)))
if [ "$machine" = $((0x14c)) ] && (( (characteristics & 0x20) == 0 )); then
  echo "$exe: the 32-bit executable is not large-address-aware" >&2
  exit 1
fi
