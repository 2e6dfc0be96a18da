# What the tests of built installers share, sourced by them: the run and
# fail functions, the snapshot of what an installation could leave, the
# uninstall entry's values, and silent install and uninstall runs, checked
# with Wine's own tools and the files on disk. The sourcing script sets here
# (its folder), work, wine_dir and bits; failures counts what fail reported.
run() { "$here/wine-run.sh" "$wine_dir" "$@"; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
arch=x64
[ "$bits" = 32 ] && arch=x86
prefix="$wine_dir/prefix"
drive="$prefix/drive_c"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'

# What an installation could leave: the files outside the Windows and the
# temporary folders (with sizes), and the user's and the machine's software
# keys.
snapshot() {
  (cd "$drive" && find . \( -path ./windows -o -iname temp \) -prune -o -printf '%p %s\n' | sort)
  # Wine keeps some display settings of its own under HKCU as programs start.
  run reg query 'HKCU\Software' /s 2>&1 | tr -d '\r' | grep -v 'Wine\\Temporary System Parameters'
  run reg query 'HKLM\Software' /s 2>&1 | tr -d '\r'
}
expect_unchanged() {  # NAME: the snapshot equals the one taken as "before"
  snapshot >"$work/after-$1.txt"
  diff -u "$work/before.txt" "$work/after-$1.txt" >"$work/diff-$1.txt" ||
    fail "$1: the machine changed: $(head -c 1500 "$work/diff-$1.txt")"
}
# The value of an uninstall entry, or nothing.
entry_value() {
  run reg query "$uninstall_key\\$1" /v "$2" 2>/dev/null | tr -d '\r' |
    sed -n "s/^ *$2 *REG_SZ *//p"
}
unix_path() { run winepath -u "$1" 2>/dev/null | tr -d '\r'; }
# Runs SETUP with ARGS silently, logging to LOG; echoes the exit code.
setup() {
  local exe=$1 log=$2
  shift 2
  rm -f "$log"
  run "$exe" /silent "/log:$(run winepath -w "$log" 2>/dev/null | tr -d '\r')" "$@" >/dev/null 2>&1
  echo $?
}
# Runs the uninstall command of ENTRY silently and waits for the copy that
# does the work to end; echoes its exit code (from the run log's last line).
uninstall() {
  local command log exe file
  command=$(entry_value "$1" UninstallString)
  exe=$(sed -n 's/^"\([^"]*\)".*/\1/p' <<<"$command")
  file=$(sed -n 's/.*\/file:"\([^"]*\)".*/\1/p' <<<"$command")
  [ -n "$exe" ] && [ -n "$file" ] || { echo "no uninstall command in $1: $command" >&2; echo 99; return; }
  log="$work/uninstall-$1.log"
  rm -f "$log"
  run "$exe" "/file:$file" /silent "/log:$(run winepath -w "$log" 2>/dev/null | tr -d '\r')" >/dev/null 2>&1
  # The program hands over to a copy of itself outside the install folder
  # and ends; the copy writes the last end line.
  for _ in $(seq 240); do
    [ "$(grep -c ' end: ' "$log" 2>/dev/null)" -ge 2 ] && break
    sleep 0.25
  done
  tail -n 1 "$log" | tr -d '\r' | sed -n 's/.* end: exit code //p'
}
# Runs the uninstall command of ENTRY, then checks that it succeeded and
# that the machine is as it was before (NAME names the case in messages).
uninstall_cleanly() {
  local code
  code=$(uninstall "$1")
  [ "$code" = 0 ] || fail "$2: uninstall exit code '$code': $(tail -n 5 "$work/uninstall-$1.log" 2>&1)"
  expect_unchanged "$2"
}
# The snapshot the checks compare with, taken once the shell has made the
# user's folders it makes when a program first asks for them ("Programs"):
# a setup.exe without a package (STUB) asks as every run does.
take_before() {
  run "$1" /silent >/dev/null 2>&1
  snapshot >"$work/before.txt"
}
# Installs SETUP silently, logging to LOG, and checks its exit code; sets
# folder to the install folder its uninstall entry ENTRY names and app to
# that folder's Unix path. NAME names the case in messages.
install_entry() {
  local code
  code=$(setup "$1" "$2")
  [ "$code" = 0 ] || fail "$4 install: exit code $code: $(cat "$2")"
  folder=$(entry_value "$3" Comments | sed 's/^Install folder: //')
  app=$(unix_path "$folder")
  [ -n "$folder" ] && [ -d "$app" ] || fail "$4: no install folder ($folder)"
}
