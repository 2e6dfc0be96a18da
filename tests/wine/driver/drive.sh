# Sourced by the Wine tests that drive windows: the caller defines run
# (a Wine program with its arguments), fail (a failed check), and sets
# drive (xs-drive.exe) and work (where the driver's messages are kept).

# drive CODE ACTION ARGS...: runs the driver and checks its exit code; what
# it printed is in $out.
drive() {
  local want=$1 rc
  shift
  out=$(run "$drive" "$@" 2>>"$work/driver-messages.txt")
  rc=$?
  [ "$rc" = "$want" ] || fail "xs-drive $*: exit code $rc, not $want: $out"
}
