#!/usr/bin/env bash
# The installation wizard of the real setup.exe, driven from outside by
# xs-drive as a user would, page by page:
#   - the example installed interactively: readme, licence accepted (Next
#     held until then), the sample notes unchecked, another folder typed
#     in, the group renamed, the desktop shortcut kept, Finish with the
#     launch box: hello.exe runs; files, shortcuts and registry checked from
#     outside, the unchecked component's file absent; the uninstall removes
#     it all;
#   - closing the window on a middle page asks Resume / Exit Setup: Resume
#     keeps the page, Exit Setup ends setup with the machine unchanged.
# Screenshots of every page go to WORK_DIR/page-*.png.
# Usage: wizard_test.sh WORK_DIR WINE_DIR XS_DRIVE STUBS_DIR XSETUP_BUILD EXAMPLE_DIR
set -u
work=$1 wine_dir=$2 drive=$3 stubs=$4 builder=$5 example=$6
here=$(cd "$(dirname "$0")" && pwd)
. "$here/driver/drive.sh"
prefix_c="$wine_dir/prefix/drive_c"
box=(--class TXMessageForm)
# What an installation could leave: files outside the Windows folder, and
# the software keys.
snapshot() {
  (cd "$prefix_c" && find . \( -path ./windows -o -iname temp \) -prune -o -printf '%p %s\n' | sort)
  # Wine adds display settings of its own as programs start.
  run reg query 'HKCU\Software' /s 2>&1 | tr -d '\r' | grep -v -e 'Wine\\Temporary System Parameters' -e '^$'
  run reg query 'HKLM\Software' /s 2>&1 | tr -d '\r'
}
# page NAME: the wizard's texts now, and a screenshot page-NAME.png.
page() {
  drive 0 texts "${wizard[@]}" --timeout 30
  shot "page-$1"
}
# has ID TEXT: the last texts show control ID with TEXT (a pattern).
has() {
  grep -qE "^control${tab}id=$1${tab}.*${tab}text=$2\$" <<<"$out" || fail "no control $1 with '$2' in: $out"
}
next() { drive 0 click "${wizard[@]}" --id 11; }

run "$builder" setup "$example/hello.xss" -o "$work/hello-setup.exe" --stubs "$stubs" >"$work/build.out" 2>&1 ||
  fail "build: $(cat "$work/build.out")"
snapshot >"$work/before.txt"

# --- The example, page by page ---------------------------------------------------
start setup "$work/hello-setup.exe"
page welcome
grep -q "window${tab}.*text=Setup: Hello Notes 1.2\$" <<<"$out" || fail "caption: $out"
has 0 "This wizard will install Hello Notes 1.2 on your computer\..*"
has 0 "Copyright \(C\) 2026 Example Software"
shown 10 && fail "Back on the first page: $out"
next
page readme
has 40 "Hello Notes 1.2.*A tiny note viewer\..*"
next
page license
has 41 "You may use and copy Hello Notes freely\..*"
shown 11 enabled && fail "Next before the licence is accepted: $out"
drive 0 check "${wizard[@]}" --id 20
drive 0 texts "${wizard[@]}"
shown 11 enabled || fail "Next stays off with the licence accepted: $out"
next
page components
has 2001 "Program files"
has 2003 "Sample notes"
drive 0 check "${wizard[@]}" --id 2002 --state 0
drive 0 click "${wizard[@]}" --id 2000  # a required one stays checked
drive 0 texts "${wizard[@]}"
grep -qE "^control${tab}id=2000${tab}.*${tab}checked=1${tab}" <<<"$out" || fail "the required component was unchecked: $out"
grep -qE "^control${tab}id=2002${tab}.*${tab}checked=0${tab}" <<<"$out" || fail "Sample notes stayed checked: $out"
shot page-components-chosen
next
page folder
has 21 ".*Example Software.*Hello Notes"
drive 0 type "${wizard[@]}" --id 21 --value 'C:\Hello Elsewhere'
next
page icons
has 22 "Hello Notes"
drive 0 type "${wizard[@]}" --id 22 --value 'Hello Group'
drive 0 check "${wizard[@]}" --id 24 --state 1
next
page start
has 42 ".*C:.*Hello Elsewhere.*Hello Group.*Program files.*"
grep "^control${tab}id=42${tab}" <<<"$out" | grep -q "Sample notes" && fail "the summary lists the unchecked component: $out"
drive 0 click "${wizard[@]}" --id 10
drive 0 texts "${wizard[@]}"
has 11 "Next >"
next
drive 0 texts "${wizard[@]}"
has 11 "Install"
next
for _ in $(seq 120); do
  drive 0 texts "${wizard[@]}" --timeout 60
  shown 26 && break
  sleep 0.5
done
shot page-finish
has 0 "Setup has finished installing Hello Notes 1.2 on your computer\..*"
grep -qE "^control${tab}id=26${tab}.*${tab}checked=1${tab}" <<<"$out" || fail "the launch box is not ticked: $out"
drive 0 click "${wizard[@]}" --id 12
ends 0
drive 0 wait --caption "Hello Notes" --exe hello.exe --timeout 30
drive 0 close --caption "Hello Notes" --exe hello.exe

folder="$prefix_c/Hello Elsewhere"
for f in hello.exe hello_tools.dll readme.txt uninst.exe; do
  [ -f "$folder/$f" ] || fail "$f is not in the folder typed in: $(ls "$folder" 2>&1)"
done
[ -e "$folder/notes.txt" ] && fail "the unchecked component's notes.txt was installed"
programs=$(run winepath -u 'C:\users\root\AppData\Roaming\Microsoft\Windows\Start Menu\Programs' 2>/dev/null | tr -d '\r')
for link in "$programs/Hello Group/Hello Notes.lnk" "$programs/Hello Group/Read me.lnk" "$prefix_c/users/root/Desktop/Hello Notes.lnk"; do
  [ -f "$link" ] && grep -aqF "Hello Elsewhere" "$link" || fail "no shortcut into the folder typed in: $link"
done
value=$(run reg query 'HKCU\Software\Example Software\Hello Notes' /v InstallFolder 2>/dev/null | tr -d '\r' |
  sed -n 's/^ *InstallFolder *REG_SZ *//p')
[ "$value" = 'C:\Hello Elsewhere\' ] || fail "InstallFolder is '$value'"
installed HelloNotes
[ "$exe" = 'C:\Hello Elsewhere\uninst.exe' ] || fail "uninstall entry: $command"
ulog="$work/uninstall.log"
run "$exe" "/file:$log" /silent "/log:$(run winepath -w "$ulog" 2>/dev/null | tr -d '\r')" >/dev/null 2>&1
for _ in $(seq 240); do [ "$(grep -c ' end: ' "$ulog" 2>/dev/null)" -ge 2 ] && break; sleep 0.25; done
snapshot >"$work/after-uninstall.txt"
diff -u "$work/before.txt" "$work/after-uninstall.txt" >"$work/diff-uninstall.txt" ||
  fail "the uninstall left traces: $(head -c 1500 "$work/diff-uninstall.txt")"

# --- Closing on a middle page ----------------------------------------------------
start setup "$work/hello-setup.exe"
drive 0 wait "${wizard[@]}" --timeout 30
next
next
drive 0 close "${wizard[@]}"
drive 0 texts "${box[@]}" --timeout 20
grep -q "text=Resume\$" <<<"$out" && grep -q "text=Exit Setup\$" <<<"$out" || fail "no Resume / Exit Setup question: $out"
shot exit-question
drive 0 click "${box[@]}" --button Resume
drive 0 texts "${wizard[@]}"
has 41 "You may use and copy Hello Notes freely\..*"
drive 0 close "${wizard[@]}"
drive 0 click "${box[@]}" --button "Exit Setup" --timeout 20
ends 1
snapshot >"$work/after-exit.txt"
diff -u "$work/before.txt" "$work/after-exit.txt" >"$work/diff-exit.txt" ||
  fail "Exit Setup changed the machine: $(head -c 1500 "$work/diff-exit.txt")"

[ "$failures" -eq 0 ] && echo "all wizard checks passed"
[ "$failures" -eq 0 ]
