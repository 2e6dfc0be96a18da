#!/usr/bin/env bash
# Runs one Windows program under the test run's Wine environment (see
# wine-env.sh), bounded in time: wine-run.sh DIR PROGRAM [ARGS...]
# Set WINE_TIMEOUT to change the bound (seconds, default 120).
set -u
dir=${1:?usage: wine-run.sh DIR PROGRAM [ARGS...]}
shift
[ -f "$dir/display" ] || { echo "no Wine environment in $dir: run the wine_setup test first" >&2; exit 1; }
export WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" WINEARCH=win64
export DISPLAY="$(cat "$dir/display")"
exec timeout -k 10 "${WINE_TIMEOUT:-120}" wine "$@"
