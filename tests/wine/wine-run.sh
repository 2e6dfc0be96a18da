#!/usr/bin/env bash
# Runs one Windows program under the test run's Wine environment (see
# wine-env.sh), bounded in time: wine-run.sh DIR PROGRAM [ARGS...]
# A 32-bit program starts with Wine's 32-bit loader, everything else
# (64-bit programs and Wine's own tools such as reg) with the 64-bit one:
# Debian's wine wrapper would take the 32-bit loader for all of them.
# Set WINE_TIMEOUT to change the bound (seconds, default 120) and
# WINE_NATIVE_DLLS to a comma-separated list of DLL names that Wine looks
# for like Windows does, in the program's folder first.
set -u
dir=${1:?usage: wine-run.sh DIR PROGRAM [ARGS...]}
shift
[ -f "$dir/display" ] || { echo "no Wine environment in $dir: run the wine_setup test first" >&2; exit 1; }
export WINEPREFIX="$dir/prefix" WINEDEBUG=${WINEDEBUG:--all} WINEARCH=win64
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d${WINE_NATIVE_DLLS:+;$WINE_NATIVE_DLLS=n,b}"
export DISPLAY="$(cat "$dir/display")"

# The machine field of a PE file's header: 14c for a 32-bit x86 program.
pe_machine() {
  local pe
  pe=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
  [ -n "$pe" ] && od -An -tx2 -j$((pe + 4)) -N2 "$1" 2>/dev/null | tr -d ' '
}
loader=/usr/lib/wine/wine64
[ -f "$1" ] && [ "$(pe_machine "$1")" = 14c ] && loader=/usr/lib/wine/wine
exec timeout -k 10 "${WINE_TIMEOUT:-120}" "$loader" "$@"
