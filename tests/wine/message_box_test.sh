#!/usr/bin/env bash
# The message boxes as a user meets them, driven from outside by xs-drive:
#   - the gallery's boxes: Yes/No gives 6 and 7, Esc 7, closing 2; Resume /
#     Exit Setup ignores Esc and gives 2 when closed; an empty caption shows
#     the application's title; the check box enables OK; long (French)
#     button texts widen both buttons alike; a switch to German while a
#     box is open re-captions its buttons and check box at once; the input
#     box returns what was typed;
#   - uninst.exe asks before it removes anything: Esc keeps the program, Yes
#     removes it and a last box says so;
#   - uninst.exe shows its progress while it removes many files, and its
#     last box names the file it could not remove.
# Screenshots of the boxes go to WORK_DIR/*.png.
# Usage: message_box_test.sh WORK_DIR WINE_DIR XS_DRIVE GALLERY STUBS_DIR XSETUP_BUILD EXAMPLE_DIR
set -u
work=$1 wine_dir=$2 drive=$3 gallery=$4 stubs=$5 builder=$6 example=$7
here=$(cd "$(dirname "$0")" && pwd)
. "$here/driver/drive.sh"
# button TEXT ENABLED: the last texts hold a visible button TEXT, enabled or not.
button() {
  grep -qE "^control${tab}id=[0-9]+${tab}class=Button${tab}visible=1${tab}enabled=$2${tab}.*${tab}text=$1\$" <<<"$out" ||
    fail "no button '$1' with enabled=$2 in: $out"
}
# show BOX: starts the gallery with box BOX.
show() { start box "$gallery" "$1"; }
box=(--class TXMessageForm)
# result CAPTION: the texts of uninst.exe's last box, once its progress
# window (the one with a bar) has gone and the box has its buttons (a
# window caught while it is made or destroyed has none yet).
result() {
  for _ in $(seq 60); do
    drive 0 texts "${box[@]}" --caption "$1" --timeout 60
    grep -q "class=msctls_progress32" <<<"$out" || ! grep -q "class=Button" <<<"$out" || return
    sleep 1
  done
}

# --- Yes / No ----------------------------------------------------------------
show 2
drive 0 texts "${box[@]}" --caption "Hello Setup" --timeout 20
button Yes 1
button No 1
grep -q "text=The folder C:" <<<"$out" || fail "Yes/No: no message text in: $out"
shot yes-no
drive 0 click "${box[@]}" --button Yes
ends 6
for way in "key --key esc|7" "close|2"; do
  show 2
  drive 0 wait "${box[@]}" --caption "Hello Setup" --timeout 20
  drive 0 ${way%%|*} "${box[@]}"
  ends "${way#*|}"
done

# --- Resume / Exit Setup: no cancel button ------------------------------------
show 4
drive 0 wait "${box[@]}" --timeout 20
drive 0 key "${box[@]}" --key esc
sleep 1
drive 0 wait "${box[@]}" --timeout 0   # still there
drive 0 close "${box[@]}"
ends 2

# --- An empty caption: the application's title ("Setup" in the gallery) -----
show 0
drive 0 wait "${box[@]}" --caption Setup --timeout 20
drive 0 key "${box[@]}" --key enter
ends 1

# --- The check box enables OK --------------------------------------------------
show 6
drive 0 texts "${box[@]}" --caption Licence --timeout 20
button OK 0
drive 0 check "${box[@]}" --text "Do not show this message again" --state 1
drive 0 texts "${box[@]}"
button OK 1
shot check
drive 0 click "${box[@]}" --button OK
ends 1
grep -q "checked: 1" "$work/box.out" || fail "check box: not read back: $(cat "$work/box.out")"

# --- Long translated button texts widen every button of the row alike -----------
XS_WORDS_FILE=$(run winepath -w "$here/../../src/lang/words/fr.words" 2>/dev/null | tr -d '\r')
export XS_WORDS_FILE
show 10
drive 0 texts "${box[@]}" --caption "Hello Setup" --timeout 20
unset XS_WORDS_FILE
button Reprendre 1
button "Quitter l'installation" 1
widths=$(grep "class=Button" <<<"$out" | sed -n 's/.*rect=\([0-9]*\),[0-9]*,\([0-9]*\),.*/\2 - \1/p' | while read -r w; do
  echo $((w)); done | sort -u)
[ "$(wc -l <<<"$widths")" = 1 ] && [ "$widths" -gt 75 ] ||
  fail "the buttons are not alike and wider than 75 pixels: $widths in $out"
shot long-buttons
drive 0 close "${box[@]}"
ends 2

# --- A language switch while the box is open re-captions it ---------------------
XS_WORDS_FILE=$(run winepath -w "$here/../../src/lang/words/de.words" 2>/dev/null | tr -d '\r')
XS_SWITCH_FILE=$(run winepath -w "$work/switch" 2>/dev/null | tr -d '\r')
export XS_WORDS_FILE XS_SWITCH_FILE
show 11
drive 0 texts "${box[@]}" --caption Setup --timeout 20
unset XS_WORDS_FILE XS_SWITCH_FILE
button Yes 0
button No 1
touch "$work/switch"
for _ in $(seq 40); do
  drive 0 texts "${box[@]}" --caption Setup
  grep -q "text=Ja\$" <<<"$out" && break
  sleep 0.25
done
button Ja 0
button Nein 1
grep -q "text=Diese Meldung nicht mehr anzeigen\$" <<<"$out" || fail "the check box stayed English: $out"
shot message-box-switched
drive 0 check "${box[@]}" --text "Diese Meldung nicht mehr anzeigen" --state 1
drive 0 click "${box[@]}" --button Ja
ends 6

# --- The input box --------------------------------------------------------------
show 8
drive 0 type "${box[@]}" --caption "Rename file" --index 1 --value "notes-old.txt" --timeout 20
shot input
drive 0 key "${box[@]}" --key enter
ends 1
grep -q "name: notes-old.txt" "$work/box.out" || fail "input box: $(cat "$work/box.out")"

# --- uninst.exe asks first ------------------------------------------------------
run "$builder" setup "$example/hello.xss" -o "$work/hello-setup.exe" --stubs "$stubs" >"$work/build.out" 2>&1 ||
  fail "build: $(cat "$work/build.out")"
run "$work/hello-setup.exe" /silent >/dev/null 2>&1 || fail "the example did not install"
installed HelloNotes
[ -n "$exe" ] && [ -d "$folder" ] || fail "no installation to remove: $command"

start uninst "$exe" "/file:$log"
drive 0 texts "${box[@]}" --caption "Hello Notes" --timeout 20
button Yes 1
button No 1
shot uninstall-question
drive 0 key "${box[@]}" --key esc
ends 1
[ -f "$folder/hello.exe" ] || fail "uninst.exe answered No, and the program is gone"

start uninst "$exe" "/file:$log"
drive 0 click "${box[@]}" --caption "Hello Notes" --button Yes --timeout 20
ends 0  # the copy started
# The copy does the work and says so.
result "Hello Notes"
button OK 1
shot uninstall-done
drive 0 key "${box[@]}" --key enter
drive 0 gone "${box[@]}" --timeout 20
for _ in $(seq 60); do [ -d "$folder" ] || break; sleep 0.5; done
[ ! -d "$folder" ] || fail "the program's folder stayed: $(ls -R "$folder")"

# --- uninst.exe shows its progress, then names what it could not remove -------
# Hello Many: the example with a folder of many more files, one of them
# immutable, which the walk cannot delete (the owner's write bit alone does
# not stop root): its retries keep the progress window up a little longer.
mkdir -p "$work/many"
find "$example" -maxdepth 1 -type f -exec cp {} "$work/many/" \;
{
  sed -e 's/Hello Notes/Hello Many/g' -e 's/HelloNotes/HelloMany/g' "$example/hello.xss"
  printf "object TXObjectComponent\n  ObjClassName = 'TXUIFolderItem'\n  Obj.Section = isFolder\n"
  printf "  Obj.SaveUndo = True\n  Obj.FolderName = '<install>many'\nend\n"
  for i in $(seq -w 1 400); do
    printf "object TXObjectComponent\n  ObjClassName = 'TXUIFileItem'\n  Obj.Section = isFile\n  Obj.SaveUndo = True\n"
    printf "  Obj.FileName = '<install>many\\\\note%s.txt'\n  Obj.Data.FileName = 'notes.txt'\nend\n" "$i"
  done
} >"$work/many/many.xss"
run "$builder" setup "$work/many/many.xss" -o "$work/many-setup.exe" --stubs "$stubs" >"$work/build-many.out" 2>&1 ||
  fail "build of Hello Many: $(cat "$work/build-many.out")"
run "$work/many-setup.exe" /silent >/dev/null 2>&1 || fail "Hello Many did not install"
installed HelloMany
[ -f "$folder/many/note400.txt" ] || fail "Hello Many's files are not there: $command"
held="$folder/many/note007.txt"
trap 'chattr -i "$held" 2>/dev/null' EXIT
chattr +i "$held" || fail "cannot make $held immutable"

start uninst "$exe" "/file:$log"
drive 0 click "${box[@]}" --caption "Hello Many" --button Yes --timeout 20
ends 0
# The copy's first window: the bar and the line above it, up while the
# walk goes through some 400 records and retries the one that stays.
drive 0 texts "${box[@]}" --caption "Hello Many" --timeout 60
grep -q "class=msctls_progress32" <<<"$out" || fail "no progress bar in: $out"
# Its line is empty until the first record (the Run key comes first).
for _ in $(seq 20); do
  grep -qE "class=Static.*text=C:.*Hello Many" <<<"$out" && break
  drive 0 texts "${box[@]}" --caption "Hello Many"
done
shot uninstall-progress
grep -qE "class=Static.*text=C:.*Hello Many" <<<"$out" || fail "the progress line names no record: $out"
# The result names the folder that stayed (the file's own record gives up
# silently, as the script asks of it), and no file that went.
result "Hello Many"
button OK 1
grep -qF 'Hello Many\\many\r\n' <<<"$out" || fail "the result does not name the folder that stayed: $out"
grep -q 'note008.txt' <<<"$out" && fail "the result names a file that went: $out"
shot uninstall-incomplete
drive 0 key "${box[@]}" --key enter
drive 0 gone "${box[@]}" --timeout 20
[ -f "$held" ] || fail "the immutable file went"
[ ! -f "$folder/many/note008.txt" ] || fail "a file stayed that could go"
# Clean up for the tests after this one: what the uninstall had to leave,
# its entry and its log.
chattr -i "$held"
rm -rf "$folder"
run reg delete 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\HelloMany' /f >/dev/null 2>&1
rm -f "$(run winepath -u "$log" 2>/dev/null | tr -d '\r')"

[ "$failures" -eq 0 ] && echo "all message box checks passed"
[ "$failures" -eq 0 ]
