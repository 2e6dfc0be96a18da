#!/usr/bin/env bash
# Programs started from a folder of downloads load no DLL from it. A DLL
# that leaves a marker file when loaded lies beside setup.exe and
# xsetup-build.exe under the names of system DLLs, and Wine looks for those
# names in the program's folder first, as Windows does for every DLL that is
# no KnownDLL. The programs run their usual course there; no marker may
# appear. (version.dll, ucrtbase.dll and win32u.dll are not planted: Wine's
# own DLLs import them, so Wine loads them from the program's folder before
# any program code runs, which Windows never does; the import-table check
# covers version.dll.)
# Usage: planted_dll_test.sh WORK_DIR WINE_DIR BITS PLANTED_DLL SETUP XSETUP_BUILD EXAMPLE_DIR
# (BITS: 32 or 64, the programs' bitness)
set -u
work=$1 wine_dir=$2 bits=$3 planted=$4 setup=$5 builder=$6 example=$7
here=$(cd "$(dirname "$0")" && pwd)
run() { "$here/wine-run.sh" "$wine_dir" "$@"; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

names=(uxtheme userenv apphelp propsys dwmapi cryptbase oleacc ntmarta profapi riched20 msftedit winmm
       msimg32 secur32 netapi32 dbghelp crypt32 wintrust textshaping wtsapi32 iphlpapi mpr dnsapi comctl32)
rm -rf "$work" && mkdir -p "$work"
cp "$setup" "$builder" "$work/"
for name in "${names[@]}"; do cp "$planted" "$work/$name.dll"; done
markers() { find "$work" -maxdepth 1 -name '*.marker' -printf '%f '; }

# The planted DLL does leave its marker when it is loaded: rundll32 of the
# programs' own bitness loads it by its path.
cp "$planted" "$work/control.dll"
system=system32
[ "$bits" = 32 ] && system=syswow64
run "$wine_dir/prefix/drive_c/windows/$system/rundll32.exe" "$work/control.dll,Entry" >/dev/null 2>&1
[ -f "$work/control.dll.marker" ] || fail "the planted DLL leaves no marker when loaded: the test would see nothing"
rm -f "$work/control.dll" "$work/control.dll.marker"

export WINE_NATIVE_DLLS
WINE_NATIVE_DLLS=$(IFS=,; echo "${names[*]}")
cd "$work" || exit 1
# Without a package it ends with the load's error code, 16.
run "$work/setup.exe" /silent /lg:7
rc=$?
[ "$rc" = 16 ] || fail "setup.exe /silent /lg:7 exited with $rc, not 16"
[ -z "$(markers)" ] || fail "setup.exe loaded from its folder: $(markers)"
rm -f "$work"/*.marker
run "$work/xsetup-build.exe" package "$example/hello.xss" -o "$work/hello.pkg" || fail "xsetup-build.exe package exited with $?"
out=$(run "$work/xsetup-build.exe" verify "$work/hello.pkg" | tr -d '\r')
[ "$out" = ok ] || fail "xsetup-build.exe verify: $out"
[ -z "$(markers)" ] || fail "xsetup-build.exe loaded from its folder: $(markers)"

[ "$failures" -eq 0 ] && echo "no planted DLL was loaded (${#names[@]} names)"
[ "$failures" -eq 0 ]
