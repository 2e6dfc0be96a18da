#!/usr/bin/env bash
# Real script actions under Wine, checked from outside: builds a package from
# actions/actions.xss with the Windows builder, has run_script.exe execute
# its items, checks the files, the shortcut, the registry and the INI entry
# with Wine's own tools and the files on disk, then has it reverse the undo
# log and checks that every trace is gone. BITS (32 or 64) is the programs'
# bitness: a 32-bit installer's "<pf>" is "Program Files (x86)" and its HKLM
# keys lie under Software\Wow6432Node, where 32-bit programs read them.
# Usage: actions_test.sh WORK_DIR WINE_DIR BITS RUN_SCRIPT XSETUP_BUILD EXAMPLE_DIR
set -u
work=$1 wine_dir=$2 bits=$3 run_script=$4 builder=$5 example=$6
here=$(cd "$(dirname "$0")" && pwd)
run() { "$here/../wine/wine-run.sh" "$wine_dir" "$@"; }
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

prefix="$wine_dir/prefix"
key='Software\XSetup Actions'
if [ "$bits" = 32 ]; then
  program_files='Program Files (x86)'
  machine_key='Software\Wow6432Node\XSetup Actions'
else
  program_files='Program Files'
  machine_key=$key
fi
app="$prefix/drive_c/$program_files/XSetup Actions"
folder="C:\\$program_files\\XSetup Actions"
# text as an extended regular expression that matches just it
literal() { sed 's/[][\\.()*+?^$|{}]/\\&/g' <<<"$1"; }

# A leftover of an earlier run would hide what this one does.
rm -rf "$work" "$app" && mkdir -p "$work"
cp "$here/actions/actions.xss" "$run_script" "$example/hello.exe" "$example/hello_tools.dll" "$work/"
# A time stamp no build gives, so that the installed file shows it kept it.
touch -d '2021-05-04 03:02:01' "$work/hello.exe"

run "$builder" package "$work/actions.xss" -o "$work/actions.pkg" || { echo "FAIL: package"; exit 1; }
run "$work/run_script.exe" install "$work/actions.pkg" "$work/actions.log" | tee "$work/install.out"
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "install: an item failed"

# Files: the packaged bytes (so the version resources too) and time stamp.
for f in hello.exe Data/hello_tools.dll run_script.exe; do
  cmp -s "$work/$(basename "$f")" "$app/$f" || fail "$f: not installed as packaged"
done
[ "$(stat -c %Y "$app/hello.exe")" = "$(stat -c %Y "$work/hello.exe")" ] || fail "hello.exe: time stamp not kept"
[ "$(cat "$app/readme.txt")" = $'Read me first.\r' ] || fail "readme.txt: $(cat -A "$app/readme.txt")"
# The copy of what the program wrote proves the install waited for it.
[ -f "$app/started-copy.txt" ] || fail "started-copy.txt missing: the install did not wait"
grep -q '^\[Options\]' "$app/settings.ini" && grep -qiF "Folder=C:\\$program_files\\XSetup Actions" "$app/settings.ini" ||
  fail "settings.ini: $(cat "$app/settings.ini" 2>&1)"

# The shortcut: in the user's start-menu programs, and Wine finds its target.
group=$(find "$prefix/drive_c/users" -type d -path '*Start Menu/Programs/XSetup Actions' | head -n 1)
link="$group/Touch.lnk"
if [ -z "$group" ] || [ ! -f "$link" ]; then
  fail "no shortcut under the start menu's programs"
else
  # start does not wait for a link's target: give it a while.
  run start /unix "$link"
  for _ in $(seq 60); do [ -f "$app/linked.txt" ] && break; sleep 0.5; done
  [ -f "$app/linked.txt" ] || fail "running the shortcut did not run its target in its working folder"
fi

# Registry: every value type, read by Wine's (64-bit) reg tool.
query() { run reg query "$1" /v "$2" 2>&1 | tr -d '\r'; }
expect_value() {
  local key=$1 name=$2 pattern=$3 out
  out=$(query "$key" "$name")
  grep -Eq "^ +$name +$pattern\$" <<<"$out" || fail "$key $name: expected '$pattern', got: $out"
}
expect_value "HKLM\\$machine_key" Installed 'REG_DWORD +0x1'
if [ "$bits" = 32 ]; then
  run reg query "HKLM\\$key" >/dev/null 2>&1 && fail "HKLM\\$key: a 32-bit program's machine key outside Wow6432Node"
fi
expect_value "HKCU\\$key" Flag 'REG_DWORD +0x1'
expect_value "HKCU\\$key" Folder "REG_SZ +$(literal "$folder")"
expect_value "HKCU\\$key" Price 'REG_BINARY +F47E000000000000'     # currency 32500
expect_value "HKCU\\$key" Count 'REG_DWORD +0x3'
expect_value "HKCU\\$key" Day 'REG_BINARY +0000000000F9E540'       # 45000.0
expect_value "HKCU\\$key" Hour 'REG_BINARY +000000000000E03F'      # 0.5
expect_value "HKCU\\$key" Moment 'REG_BINARY +0000000018F9E540'    # 45000.75

# Reversal: every record succeeds and nothing of the install stays.
run "$work/run_script.exe" undo "$work/actions.log" | tee "$work/undo.out"
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "undo: a record failed"
[ ! -e "$app" ] || fail "left in the program folder: $(cd "$app" && find . | tr '\n' ' ')"
[ -z "$group" ] || [ ! -e "$group" ] || fail "the program group is still there"
for gone in "HKLM\\$machine_key" "HKCU\\$key"; do
  run reg query "$gone" >/dev/null 2>&1 && fail "$gone is still there"
done

[ "$failures" -eq 0 ] && echo "all action checks passed"
[ "$failures" -eq 0 ]
