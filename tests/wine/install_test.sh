#!/usr/bin/env bash
# setup.exe and uninst.exe end to end under Wine, checked from outside with
# Wine's own tools (reg, uninstaller) and the files on disk: the example
# (examples/hello) and a script of every item kind (install/items.xss),
# each built into a setup.exe by the Windows builder, installed silently
# and removed by the command of its uninstall entry.
# Usage: install_test.sh WORK_DIR WINE_DIR BITS STUBS_DIR XSETUP_BUILD
#        EXAMPLE_DIR RUN_SCRIPT HOLD_MUTEX
set -u
work=$1 wine_dir=$2 bits=$3 stubs=$4 builder=$5 example=$6 run_script=$7 hold_mutex=$8
here=$(cd "$(dirname "$0")" && pwd)
. "$here/installer_checks.sh"

rm -rf "$work" && mkdir -p "$work"
cp "$here/install/items.xss" "$run_script" "$example/hello.exe" "$example/hello_tools.dll" "$work/"
touch -d '2021-05-04 03:02:01' "$work/hello.exe"
# A second version whose hello.exe has other bytes, for the kill test.
perl -0pe "s/  Obj.Options = optfIfNewer\n  Obj.Data.FileName = 'hello.exe'/  Obj.Data.FileName = 'run_script.exe'/" \
  "$work/items.xss" >"$work/items2.xss"
build() {  # SCRIPT OUT
  run "$builder" setup "$1" -o "$2" --arch "$arch" --stubs "$stubs" >"$work/build.out" 2>&1 ||
    { cat "$work/build.out"; echo "FAIL: build $1"; exit 1; }
}
build "$example/hello.xss" "$work/hello-setup.exe"
build "$work/items.xss" "$work/items-setup.exe"
build "$work/items2.xss" "$work/items2-setup.exe"
# The same application with keys and a group of its own, for a second
# installation beside the first: what two installations share, the first
# uninstall removes.
sed -e "s/Software\\\\XSetup Items'/Software\\\\XSetup Items B'/" -e "s/Name = 'XSetup Items/Name = 'XSetup Items B/" \
  "$work/items.xss" >"$work/items-b.xss"
build "$work/items-b.xss" "$work/items-b-setup.exe"

take_before "$stubs/$arch/setup.exe"

# --- The example: a silent install, checked from outside -------------------
install_entry "$work/hello-setup.exe" "$work/hello.log" HelloNotes example
for f in hello.exe hello_tools.dll readme.txt notes.txt; do
  cmp -s "$example/$f" "$app/$f" || fail "example $f: not installed as packaged"
  [ "$(stat -c %Y "$app/$f")" = "$(stat -c %Y "$example/$f")" ] || fail "example $f: time stamp not kept"
done
log_file=$(sed -n 's/.*\/file:"\([^"]*\)".*/\1/p' <<<"$(entry_value HelloNotes UninstallString)")
[ "$(entry_value HelloNotes UninstallString)" = "\"${folder}uninst.exe\" /file:\"$log_file\"" ] ||
  fail "example UninstallString: $(entry_value HelloNotes UninstallString)"
[ -f "$app/uninst.exe" ] && cmp -s "$app/uninst.exe" "$stubs/$arch/uninst.exe" || fail "example: uninst.exe not installed"
[ -f "$(unix_path "$log_file")" ] || fail "example: no undo log at $log_file"
for check in "DisplayName|Hello Notes" "DisplayVersion|1.2.0.34" "Publisher|Example Software" \
             "DisplayIcon|${folder}hello.exe" "URLInfoAbout|https://example.com/hello-notes"; do
  name=${check%%|*} want=${check#*|}
  [ "$(entry_value HelloNotes "$name")" = "$want" ] || fail "example $name: '$(entry_value HelloNotes "$name")', not '$want'"
done
link=$(find "$drive/users" -path '*Start Menu/Programs/Hello Notes/Hello Notes.lnk' | head -n 1)
[ -n "$link" ] && grep -aqF "hello.exe" "$link" || fail "example: the shortcut is missing or names no hello.exe"
run uninstaller --list 2>/dev/null | tr -d '\r' | grep -q '^HelloNotes|||Hello Notes' ||
  fail "uninstaller --list does not list the example: $(run uninstaller --list 2>&1)"

# Installing again keeps one entry and finds the earlier installation.
code=$(setup "$work/hello-setup.exe" "$work/hello2.log")
[ "$code" = 0 ] || fail "example reinstall: exit code $code"
grep -q "earlier installation: HelloNotes in $(sed 's/[\\.]/\\&/g' <<<"$folder"), version 1\.2\.0\.34" "$work/hello2.log" ||
  fail "the reinstall did not find the earlier installation: $(cat "$work/hello2.log")"
[ "$(run reg query "$uninstall_key" 2>/dev/null | grep -c 'Uninstall\\HelloNotes')" = 1 ] || fail "example: not one entry"

uninstall_cleanly HelloNotes example

# --- Every item kind -------------------------------------------------------
install_entry "$work/items-setup.exe" "$work/items.log" XSetupItems items
for f in hello.exe Data/hello_tools.dll run_script.exe; do
  cmp -s "$work/$(basename "$f")" "$app/$f" || fail "items $f: not installed as packaged"
done
[ "$(stat -c %Y "$app/hello.exe")" = "$(stat -c %Y "$work/hello.exe")" ] || fail "items hello.exe: time stamp not kept"
[ -f "$app/started-copy.txt" ] || fail "items: the install did not wait for the program it ran"
grep -qiF "Folder=$folder" "$app/settings.ini" || fail "items settings.ini: $(cat "$app/settings.ini" 2>&1)"
group=$(find "$drive/users" -type d -path '*Start Menu/Programs/XSetup Items' | head -n 1)
if [ -z "$group" ] || [ ! -f "$group/Touch.lnk" ]; then
  fail "items: no shortcut"
else
  run start /unix "$group/Touch.lnk"
  for _ in $(seq 60); do [ -f "$app/linked.txt" ] && break; sleep 0.5; done
  [ -f "$app/linked.txt" ] || fail "items: the shortcut did not run its target"
fi
run reg query 'HKCU\Software\XSetup Items' /v Count 2>/dev/null | grep -q 'REG_DWORD *0x3' || fail "items: no Count value"

# A second installation with another undo log gets the next entry.
code=$(setup "$work/items-b-setup.exe" "$work/items-i1.log" '/dir:C:\XSetup Items 2')
[ "$code" = 0 ] || fail "second installation: exit code $code"
[ "$(entry_value XSetupItems_i1 UninstallString)" = '"C:\XSetup Items 2\uninst.exe" /file:"C:\XSetup Items 2\items.xui"' ] ||
  fail "second installation: entry _i1 is '$(entry_value XSetupItems_i1 UninstallString)'"

# The running application: a silent run waits 30 seconds, then cancels.
run "$hold_mutex" XSetupItemsRunning 60 &
holder=$!
sleep 2
code=$(setup "$work/items-setup.exe" "$work/running.log")
[ "$code" = 1 ] || fail "running application: exit code $code"
grep -q 'question: .*-> Cancel' "$work/running.log" || fail "running application: no question in $(cat "$work/running.log")"
kill "$holder" 2>/dev/null; wait "$holder" 2>/dev/null

for entry in XSetupItems_i1 XSetupItems; do
  code=$(uninstall $entry)
  [ "$code" = 0 ] || fail "$entry uninstall: exit code '$code': $(cat "$work/uninstall-$entry.log" 2>&1)"
done
expect_unchanged items

# --- A damaged package changes nothing --------------------------------------
cp "$work/items-setup.exe" "$work/damaged-setup.exe"
size=$(stat -c %s "$work/damaged-setup.exe")
byte=$(od -An -tu1 -j $((size - 5000)) -N1 "$work/damaged-setup.exe" | tr -d ' ')
printf "\\$(printf %o $(((byte + 1) % 256)))" | dd of="$work/damaged-setup.exe" bs=1 seek=$((size - 5000)) conv=notrunc status=none
code=$(setup "$work/damaged-setup.exe" "$work/damaged.log")
[ "$code" != 0 ] || fail "damaged package: exit code 0"
grep -q 'Incomplete Installer File' "$work/damaged.log" || fail "damaged package: no message in $(cat "$work/damaged.log")"
expect_unchanged damaged

# --- eoAbort: the run stops, its temporary file goes, no undo log -----------
code=$(setup "$work/items-setup.exe" "$work/abort.log" /components:0,5)
[ "$code" != 0 ] && [ "$code" != 1 ] || fail "aborted run: exit code $code"
app=$(unix_path 'C:\Program Files\XSetup Items')
[ "$bits" = 32 ] && app=$(unix_path 'C:\Program Files (x86)\XSetup Items')
[ ! -e "$app/items.xui" ] || fail "aborted run: an undo log was written"
ls "$app"/items.xui?* >/dev/null 2>&1 || fail "aborted run: no journal beside the undo log"
find "$drive/users" -name xsetup-items-temp.exe | grep -q . && fail "aborted run: the temporary file stayed"
# The next run takes the journal in; its uninstall leaves nothing.
code=$(setup "$work/items-setup.exe" "$work/after-abort.log")
[ "$code" = 0 ] || fail "install after the abort: exit code $code"
uninstall_cleanly XSetupItems abort

# --- Killed at any moment ----------------------------------------------------
# SETUP DELAY...: starts SETUP silently and kills it after each delay.
kill_after() {
  local exe=$1 delay
  shift
  for delay in "$@"; do
    run "$exe" /silent >/dev/null 2>&1 &
    sleep "$delay"
    pkill -9 -f "$(basename "$exe")" 2>/dev/null
    wait 2>/dev/null
    if [ -n "${app:-}" ] && [ -f "$app/hello.exe" ]; then
      cmp -s "$app/hello.exe" "$work/hello.exe" || cmp -s "$app/hello.exe" "$work/run_script.exe" ||
        fail "killed after $delay s: hello.exe is neither its old nor its new content"
    fi
  done
}
# On a machine without the program, then over an installation of it whose
# hello.exe the new version replaces with other bytes.
app=
kill_after "$work/items-setup.exe" 0.4 1.0 1.8
code=$(setup "$work/items-setup.exe" "$work/first.log")
[ "$code" = 0 ] || fail "install after the first kills: exit code $code: $(cat "$work/first.log")"
app=$(unix_path "$(entry_value XSetupItems Comments | sed 's/^Install folder: //')")
kill_after "$work/items2-setup.exe" 0.3 0.6 0.9 1.2 1.6 2.0 2.5 3.0
code=$(setup "$work/items2-setup.exe" "$work/after-kill.log")
[ "$code" = 0 ] || fail "install after the kills: exit code $code: $(cat "$work/after-kill.log")"
cmp -s "$app/hello.exe" "$work/run_script.exe" || fail "after the kills: hello.exe is not the new version's"
uninstall_cleanly XSetupItems kill

[ "$failures" -eq 0 ] && echo "all install checks passed"
[ "$failures" -eq 0 ]
