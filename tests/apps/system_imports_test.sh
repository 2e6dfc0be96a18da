#!/usr/bin/env bash
# The Windows programs are of the build's machine type and start on a bare
# Windows from any folder: every DLL they import is on the system's
# KnownDLLs list, which the loader takes from System32 alone. Any other DLL
# (version.dll, comctl32.dll, ...) would be looked for in the program's
# folder first, before the program's first line runs; those are loaded at
# run time from System32.
# Usage: system_imports_test.sh OBJDUMP FORMAT PROGRAM...  (FORMAT: pei-x86-64 or pei-i386)
set -u
objdump=$1 format=$2
shift 2
known_dlls=' advapi32.dll clbcatq.dll combase.dll comdlg32.dll coml2.dll difxapi.dll gdi32.dll gdiplus.dll
  imagehlp.dll imm32.dll kernel32.dll msctf.dll msvcrt.dll normaliz.dll nsi.dll ole32.dll oleaut32.dll psapi.dll
  rpcrt4.dll sechost.dll setupapi.dll shcore.dll shell32.dll shlwapi.dll user32.dll wldap32.dll ws2_32.dll '
known_dlls=$(tr -s ' \n' ' ' <<<"$known_dlls")
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
for program in "$@"; do
  name=$(basename "$program")
  header=$("$objdump" -p "$program")
  grep -q "file format $format\$" <<<"$header" || fail "$name: not $format: $(grep -m1 'file format' <<<"$header")"
  dlls=$(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$header" | tr 'A-Z' 'a-z')
  [ -n "$dlls" ] || fail "$name: no imports read"
  for dll in $dlls; do
    [[ "$known_dlls" == *" $dll "* ]] || fail "$name imports $dll, which is no KnownDLL"
  done
done
[ "$failures" -eq 0 ] && echo "$# programs, $format, importing KnownDLLs only"
[ "$failures" -eq 0 ]
