#!/usr/bin/env bash
# Saves what the X server DISPLAY shows, the whole screen, as a PNG image:
# screenshot.sh DISPLAY OUT.png (DISPLAY as in the Wine directory's "display"
# file, e.g. ":99"). The image is written beside OUT, checked to be a PNG of
# some size, and moved over OUT in one step.
set -u
display=${1:?usage: screenshot.sh DISPLAY OUT.png}
out=${2:?usage: screenshot.sh DISPLAY OUT.png}
tmp=$(mktemp "$out.XXXXXX") || exit 1
trap 'rm -f "$tmp"' EXIT
timeout 60 import -display "$display" -window root "png:$tmp" || { echo "import failed on $display" >&2; exit 1; }
shot=$(timeout 30 identify -format '%m %wx%h' "$tmp" 2>/dev/null)
[[ "$shot" =~ ^PNG\ [1-9][0-9]*x[1-9][0-9]*$ ]] || { echo "not a PNG image: $shot" >&2; exit 1; }
mv -f "$tmp" "$out"
