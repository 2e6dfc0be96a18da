# Sourced by the Wine tests that drive windows, once the caller has set
# wine_dir (the Wine directory), work (the test's folder, made anew here)
# and drive (xs-drive.exe). Defines run (a Wine program with its
# arguments), fail (a failed check, counted in failures), tab, shot NAME
# (a screenshot into $work/NAME.png) and drive.
wine_scripts=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
run() { "$wine_scripts/wine-run.sh" "$wine_dir" "$@"; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
rm -rf "$work" && mkdir -p "$work"
tab=$'\t'
shot() { "$wine_scripts/screenshot.sh" "$(cat "$wine_dir/display")" "$work/$1.png" || fail "no screenshot $1"; }

# drive CODE ACTION ARGS...: runs the driver and checks its exit code; what
# it printed is in $out.
drive() {
  local want=$1 rc
  shift
  out=$(run "$drive" "$@" 2>>"$work/driver-messages.txt")
  rc=$?
  [ "$rc" = "$want" ] || fail "xs-drive $*: exit code $rc, not $want: $out"
}

# start NAME PROGRAM ARGS...: runs PROGRAM in the background, its output
# into $work/NAME.out; ends CODE: it ended with CODE.
start() {
  started_name=$1
  shift
  run "$@" >"$work/$started_name.out" 2>&1 &
  started_pid=$!
}
ends() {
  wait "$started_pid"
  local rc=$?
  [ "$rc" = "$1" ] || fail "$started_name ended with $rc, not $1: $(cat "$work/$started_name.out")"
}

# installed ENTRY: command, exe, log and folder (a Unix path) of the
# uninstall entry ENTRY.
installed() {
  command=$(run reg query "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$1" /v UninstallString 2>/dev/null |
    tr -d '\r' | sed -n 's/^ *UninstallString *REG_SZ *//p')
  exe=$(sed -n 's/^"\([^"]*\)".*/\1/p' <<<"$command")
  log=$(sed -n 's/.*\/file:"\([^"]*\)".*/\1/p' <<<"$command")
  folder=$(run winepath -u "${exe%\\*}" 2>/dev/null | tr -d '\r')
}
