#!/usr/bin/env bash
# Fails when the executable needs a DLL that is not part of Windows itself.
set -euo pipefail
allowed='^(kernel32|user32|gdi32|comctl32|comdlg32|shell32|ole32|oleaut32|shlwapi|advapi32|msvcrt|uxtheme)\.dll$'
bad=$(i686-w64-mingw32-objdump -p "$1" | awk '/DLL Name:/{print tolower($3)}' | grep -Ev "$allowed" || true)
if [ -n "$bad" ]; then
  echo "$1 depends on non-system DLLs: $bad" >&2
  exit 1
fi
