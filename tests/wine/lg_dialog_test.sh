#!/usr/bin/env bash
# The language dialog and the start dialog of the real setup.exe, driven
# from outside by xs-drive:
#   - a package with English and German shows the language dialog; picking
#     "Deutsch" re-captions its labels and buttons at once; Esc cancels
#     (setup exits 1); after Next the windows of the install that follows
#     (here the question before a file is replaced) are German too;
#   - a package with optAppDemo shows the start dialog: Esc does nothing,
#     closing cancels; with a single language it has no language row and is
#     shorter by the row (the box and 8 pixels at 96 pixels per inch).
# Screenshots go to WORK_DIR/*.png.
# Usage: lg_dialog_test.sh WORK_DIR WINE_DIR XS_DRIVE STUBS_DIR XSETUP_BUILD EXAMPLE_DIR GERMAN_WORDS
set -u
work=$1 wine_dir=$2 drive=$3 stubs=$4 builder=$5 example=$6 german=$7
here=$(cd "$(dirname "$0")" && pwd)
. "$here/driver/drive.sh"
# has CLASS VISIBLE TEXT: the last texts hold a control of CLASS with TEXT.
has() {
  grep -qE "^control${tab}id=[0-9]+${tab}class=$1${tab}visible=$2${tab}.*${tab}text=$3\$" <<<"$out" ||
    fail "no $1 '$3' with visible=$2 in: $out"
}
# The height of the window in the last texts.
height() {
  local top bottom
  read -r top bottom < <(sed -n "s/^window${tab}.*${tab}rect=[-0-9]*,\([-0-9]*\),[-0-9]*,\([-0-9]*\)${tab}.*/\1 \2/p" <<<"$out" | head -1)
  echo $((${bottom:-0} - ${top:-0}))
}
# setup NAME ARGS...: runs setup NAME.exe.
setup() {
  local name=$1
  shift
  start "$name" "$work/$name.exe" "$@"
}
dlg=(--class TXMessageForm --caption "Hello Notes 1.2")

# The example with German beside English, and its demo variant.
cp -r "$example" "$work/example"
sed '0,/^  Obj.Title = /s//  Obj.optAppDemo = True\n  Obj.Title = /' "$work/example/hello.xss" >"$work/example/demo.xss"
perl -0pe "s/(  Obj.FileName = '<install>readme.txt'\n)/\$1  Obj.Options = optfRename\n/" \
  "$work/example/hello.xss" >"$work/example/rename.xss"
run "$builder" lang "$german" -o "$work/de.xlg" >"$work/build.out" 2>&1 || fail "lang: $(cat "$work/build.out")"
for variant in "two|hello.xss|--lang $work/de.xlg" "two-rename|rename.xss|--lang $work/de.xlg" "demo|demo.xss|--lang $work/de.xlg" "demo-one|demo.xss|"; do
  IFS='|' read -r name script extra <<<"$variant"
  # shellcheck disable=SC2086  # extra is words
  run "$builder" setup "$work/example/$script" -o "$work/$name.exe" --stubs "$stubs" $extra >>"$work/build.out" 2>&1 ||
    fail "build $name: $(cat "$work/build.out")"
done

# --- The language dialog ------------------------------------------------------
setup two
drive 0 texts "${dlg[@]}" --timeout 30
has Button 1 "Next >"
has Button 1 Cancel
has Static 1 "Language:"
has Static 1 "This program is available in several languages\\..*"
drive 0 items "${dlg[@]}" --index 1
grep -q "selected=1${tab}text=English" <<<"$out" || fail "English is not selected: $out"
grep -q "selected=0${tab}text=Deutsch" <<<"$out" || fail "Deutsch is not offered: $out"
shot language-dialog
drive 0 pick "${dlg[@]}" --index 1 --item Deutsch
drive 0 texts "${dlg[@]}"
has Button 1 "Weiter >"
has Button 1 Abbrechen
has Static 1 "Sprache:"
grep -q "text=This program is available" <<<"$out" && fail "the question stayed English: $out"
shot language-dialog-german
drive 0 key "${dlg[@]}" --key esc
ends 1

# German, then Next through the wizard: the question before the example's
# readme.txt replaces the one already in the folder asks in German; Abbrechen (Esc) keeps the
# old file and the install goes on.
target="$wine_dir/prefix/drive_c/Lg Target"
rm -rf "$target" && mkdir -p "$target" && echo "the user's own" >"$target/readme.txt"
setup two-rename '/dir:C:\Lg Target'
drive 0 pick "${dlg[@]}" --index 1 --item Deutsch --timeout 30
drive 0 key "${dlg[@]}" --key enter
wizard_install
drive 0 texts --class TXMessageForm --timeout 60
has Button 1 Umbenennen
has Button 1 Abbrechen
has Static 1 "Die Datei C:.*readme.txt ist bereits vorhanden.*"
grep -q "text=Rename\$\|already exists" <<<"$out" && fail "the question after the switch is English: $out"
shot replace-question-german
drive 0 key --class TXMessageForm --key esc
wizard_finish
ends 0
[ "$(cat "$target/readme.txt")" = "the user's own" ] || fail "Abbrechen replaced the user's readme.txt"
installed HelloNotes
[ -n "$exe" ] && run "$exe" "/file:$log" /silent >/dev/null 2>&1

# --- The start dialog -----------------------------------------------------------
setup demo
drive 0 texts "${dlg[@]}" --timeout 30
has Button 1 Install
has Button 1 "Run in DEMO Mode"
has ComboBox 1 ".*"
full=$(height)
shot start-dialog
drive 0 key "${dlg[@]}" --key esc
sleep 1
drive 0 wait "${dlg[@]}" --timeout 0   # Esc does nothing: no cancel button
drive 0 close "${dlg[@]}"
ends 1

setup demo-one
drive 0 texts "${dlg[@]}" --timeout 30
has ComboBox 0 ".*"
has Static 0 "Language:"
short=$(height)
[ $((full - short)) = 29 ] || fail "the start dialog without languages: $short pixels high, not $full - 29"
shot start-dialog-one-language
drive 0 close "${dlg[@]}"
ends 1

[ "$failures" -eq 0 ] && echo "all language dialog checks passed"
[ "$failures" -eq 0 ]
