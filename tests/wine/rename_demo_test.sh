#!/usr/bin/env bash
# Two runs of the real setup.exe driven from outside by xs-drive:
#   - rename: a file item that asks before replacing (optfRename) installs
#     over a folder that already holds the file; the driver answers Rename,
#     types a new name and presses OK: the new file lands under the new
#     name, byte for byte the source, the old file is untouched, and the
#     uninstall removes the new file and leaves the old one;
#   - demo: a package with optAppDemo; the driver clicks "Run in DEMO Mode",
#     the example shows "Hello Notes (demo)" from a temporary folder, the
#     driver closes it and declines to install: nothing of the demo stays
#     (files, temporary folder, registry, uninstall entry).
# Screenshots go to WORK_DIR/*.png.
# Usage: rename_demo_test.sh WORK_DIR WINE_DIR XS_DRIVE STUBS_DIR XSETUP_BUILD EXAMPLE_DIR
set -u
work=$1 wine_dir=$2 drive=$3 stubs=$4 builder=$5 example=$6
here=$(cd "$(dirname "$0")" && pwd)
. "$here/driver/drive.sh"
prefix_c="$wine_dir/prefix/drive_c"
# setup NAME ARGS...: runs setup NAME.exe.
setup() {
  local name=$1
  shift
  start "$name" "$work/$name.exe" "$@"
}
# What the demo could leave: files outside the Windows folder (the temporary
# folders included) and the software keys.
# The copies that uninst.exe runs from (~xs*.tmp) go away in their own time.
snapshot() {
  (cd "$prefix_c" && find . \( -path ./windows -o -name '~xs*.tmp' \) -prune -o -printf '%p %s\n' | sort)
  # Wine adds display settings of its own as programs start.
  run reg query 'HKCU\Software' /s 2>&1 | tr -d '\r' | grep -v -e 'Wine\\Temporary System Parameters' -e '^$'
  run reg query 'HKLM\Software' /s 2>&1 | tr -d '\r'
}
box=(--class TXMessageForm)

cp -r "$example" "$work/example"
perl -0pe "s/(  Obj.FileName = '<install>readme.txt'\n)/\$1  Obj.Options = optfRename\n/" \
  "$work/example/hello.xss" >"$work/example/rename.xss"
grep -q optfRename "$work/example/rename.xss" || fail "no rename item in the script"
# The demo variant: every item that keeps a record runs in the demo too, so
# that the check afterwards covers files, links and registry values.
sed -e '0,/^  Obj.Title = /s//  Obj.optAppDemo = True\n  Obj.Title = /' \
  -e 's/^  Obj.SaveUndo = True$/&\n  Obj.Condition = [cdAlways, cdDemo]/' "$work/example/hello.xss" >"$work/example/demo.xss"
for name in rename demo; do
  run "$builder" setup "$work/example/$name.xss" -o "$work/$name.exe" --stubs "$stubs" >>"$work/build.out" 2>&1 ||
    fail "build $name: $(cat "$work/build.out")"
done

# --- Rename ---------------------------------------------------------------------
target="$prefix_c/Rename Target"
rm -rf "$target" && mkdir -p "$target"
printf 'the user'"'"'s own readme\r\n' >"$target/readme.txt"
cp "$target/readme.txt" "$work/old-readme.txt"
setup rename '/dir:C:\Rename Target'
wizard_install
drive 0 texts "${box[@]}" --timeout 60
grep -q "text=Rename\$" <<<"$out" || fail "no Rename button in the question: $out"
shot rename-question
drive 0 click "${box[@]}" --button Rename
drive 0 type "${box[@]}" --index 1 --value "readme-new.txt" --timeout 30
shot rename-input
drive 0 click "${box[@]}" --button OK
wizard_finish
ends 0
cmp -s "$target/readme-new.txt" "$work/example/readme.txt" || fail "readme-new.txt is not the source: $(ls -la "$target")"
cmp -s "$target/readme.txt" "$work/old-readme.txt" || fail "the old readme.txt changed"
installed HelloNotes
if [ -n "$exe" ] && [ -n "$log" ]; then
  ulog="$work/uninstall.log"
  run "$exe" "/file:$log" /silent "/log:$(run winepath -w "$ulog" 2>/dev/null | tr -d '\r')" >/dev/null 2>&1
  # The uninstall hands over to a copy of itself, which writes the second
  # end line when its work is done.
  for _ in $(seq 240); do [ "$(grep -c ' end: ' "$ulog" 2>/dev/null)" -ge 2 ] && break; sleep 0.25; done
  [ -e "$target/readme-new.txt" ] && fail "the uninstall left readme-new.txt"
  cmp -s "$target/readme.txt" "$work/old-readme.txt" || fail "the uninstall touched the old readme.txt"
  # The folder item recorded the removal of the target folder, which still
  # holds the user's file: the folder stays and the uninstall says it is
  # incomplete (2), naming that record and no other.
  code=$(tail -n 1 "$ulog" | tr -d '\r' | sed -n 's/.* end: exit code //p')
  [ "$code" = 2 ] || fail "the uninstall ended with '$code', not 2: $(tail -n 5 "$ulog")"
  # Clean up for the tests after this one: the folder with the user's file,
  # the entry and its log, which the uninstall had to leave.
  rm -rf "$target"
  run reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\HelloNotes' /f >/dev/null 2>&1
  rm -f "$(run winepath -u "$log" 2>/dev/null | tr -d '\r')"
else
  fail "no uninstall entry after the rename install: $command"
fi

# --- Demo -------------------------------------------------------------------------
snapshot >"$work/before.txt"
setup demo
drive 0 click "${box[@]}" --caption "Hello Notes 1.2" --button "Run in DEMO Mode" --timeout 60
drive 0 wait --caption "Hello Notes (demo)" --timeout 60
demo_exe=$(cd "$prefix_c" && find . -path ./windows -prune -o -ipath '*temp*' -name hello.exe -print | head -1)
[ -n "$demo_exe" ] || fail "no hello.exe under a temporary folder while the demo runs"
drive 0 list --exe hello.exe
grep -q "text=Hello Notes (demo)" <<<"$out" || fail "the demo window is not hello.exe's: $out"
echo "demo program: $demo_exe"
shot demo-window
drive 0 close --caption "Hello Notes (demo)"
drive 0 click "${box[@]}" --button "No thanks" --timeout 60
ends 0
[ -n "$demo_exe" ] && [ -e "$prefix_c/$demo_exe" ] && fail "the demo program stayed: $demo_exe"
snapshot >"$work/after.txt"
diff -u "$work/before.txt" "$work/after.txt" >"$work/diff.txt" ||
  fail "the demo changed the machine: $(head -c 1500 "$work/diff.txt")"

[ "$failures" -eq 0 ] && echo "all rename and demo checks passed"
[ "$failures" -eq 0 ]
