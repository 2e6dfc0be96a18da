#!/usr/bin/env bash
# Sets up and tears down the Wine environment of one test run. Shortcuts
# the tests write stay in the prefix: the menu builder that would copy them
# into the host's desktop menus is disabled.
#   wine-env.sh start DIR   headless X server and a fresh private prefix in DIR
#   wine-env.sh stop DIR    ends the prefix's wineserver and the X server
# The prefix is a 64-bit one that runs 32-bit programs too (made by the
# 64-bit loader). Whether this machine runs 32-bit programs at all is probed
# once here: where it cannot, DIR/no-wine32 says why (see wine32-guard.sh).
set -u
cmd=${1:?usage: wine-env.sh start|stop DIR}
dir=${2:?usage: wine-env.sh start|stop DIR}
export WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" WINEARCH=win64

stop() {
  if [ -d "$WINEPREFIX" ]; then timeout 30 wineserver -k >/dev/null 2>&1; timeout 30 wineserver -w >/dev/null 2>&1; fi
  if [ -f "$dir/xvfb.pid" ]; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null; rm -f "$dir/xvfb.pid"; fi
  return 0
}

case "$cmd" in
  start)
    stop
    rm -rf "$dir"
    mkdir -p "$dir"
    # Xvfb picks a free display number and writes it to fd 3.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$dir/display.num" >"$dir/xvfb.log" 2>&1 &
    echo $! >"$dir/xvfb.pid"
    for _ in $(seq 100); do [ -s "$dir/display.num" ] && break; sleep 0.1; done
    [ -s "$dir/display.num" ] || { echo "Xvfb did not start" >&2; cat "$dir/xvfb.log" >&2; exit 1; }
    export DISPLAY=":$(tr -d '\n' <"$dir/display.num")"
    echo "$DISPLAY" >"$dir/display"
    timeout 180 /usr/lib/wine/wine64 wineboot -i >"$dir/wineboot.log" 2>&1 || { echo "wineboot failed" >&2; cat "$dir/wineboot.log" >&2; exit 1; }
    # No window manager runs on the X server: Wine draws the title bars
    # and frames itself, so that screenshots show windows as users see them,
    # with the fonts of Debian's fonts-wine (Tahoma for dialogs, Marlett for
    # the caption buttons), which this Wine looks for in the prefix only.
    [ -d /usr/share/wine/fonts ] && cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
    timeout 60 /usr/lib/wine/wine64 reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >>"$dir/wineboot.log" 2>&1 ||
      { echo "cannot set up the X11 driver" >&2; cat "$dir/wineboot.log" >&2; exit 1; }
    timeout 60 wineserver -w
    if ! probe=$(/usr/lib/wine/wine --version 2>&1); then
      echo "this machine cannot run 32-bit Windows programs: /usr/lib/wine/wine: ${probe##*: }" >"$dir/no-wine32"
      cat "$dir/no-wine32"
    fi
    echo "wine prefix ready in $WINEPREFIX on $DISPLAY"
    ;;
  stop) stop ;;
  *) echo "usage: wine-env.sh start|stop DIR" >&2; exit 2 ;;
esac
