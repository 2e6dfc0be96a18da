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
