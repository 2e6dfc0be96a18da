#!/usr/bin/env bash
# The Windows programs must run on a bare Windows: every DLL they import is
# one the system ships. Usage: system_imports_test.sh OBJDUMP PROGRAM...
set -u
objdump=$1
shift
system_dlls=' advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll windowscodecs.dll '
failures=0
for program in "$@"; do
  dlls=$("$objdump" -p "$program" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z')
  [ -n "$dlls" ] || { echo "FAIL: $program: no imports read"; failures=$((failures + 1)); }
  for dll in $dlls; do
    [[ "$system_dlls" == *" $dll "* ]] || { echo "FAIL: $(basename "$program") needs $dll"; failures=$((failures + 1)); }
  done
done
[ "$failures" -eq 0 ] && echo "only system DLLs imported"
[ "$failures" -eq 0 ]
