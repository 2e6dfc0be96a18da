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

# The installation wizard of setup.exe, driven by control ids, so that it
# reads the same in every language.
wizard=(--class TXInstallDlg)
# shown ID: the last texts show the control ID (visible; enabled too when a
# second argument "enabled" is given).
shown() {
  local pattern="^control${tab}id=$1${tab}class=[^${tab}]*${tab}visible=1${tab}"
  [ "${2:-}" = enabled ] && pattern+="enabled=1${tab}"
  grep -q "$pattern" <<<"$out"
}
# wizard_install: from the wizard's current page on with what each page
# proposes, the licence accepted, until Install (Next on the page with the
# summary, id 42) is pressed.
wizard_install() {
  local _
  for _ in $(seq 12); do
    drive 0 texts "${wizard[@]}" --timeout 60
    shown 20 && drive 0 check "${wizard[@]}" --id 20
    if shown 42; then
      drive 0 click "${wizard[@]}" --id 11
      return
    fi
    drive 0 click "${wizard[@]}" --id 11
  done
  fail "the wizard never reached its summary"
}
# wizard_finish: waits for the finish page (Cancel enabled, Next hidden),
# unticks the launch box and closes the wizard.
wizard_finish() {
  local _
  for _ in $(seq 120); do
    drive 0 texts "${wizard[@]}" --timeout 60
    shown 12 enabled && ! shown 11 && break
    sleep 0.5
  done
  shown 26 && drive 0 check "${wizard[@]}" --id 26 --state 0
  drive 0 click "${wizard[@]}" --id 12
}
