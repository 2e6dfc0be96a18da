#!/usr/bin/env bash
# xsetup-build package, setup and lang, end to end: build_commands_test.sh
# WORKDIR XSETUP_BUILD WORDS_DIR. Checks script errors (line named, no output
# left), language packs compiled and decoded back, a package with packs that
# verify accepts and dump shows, and installers built on fake stub folders.
set -u
work=$1 tool=$2 words=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

printf 'payload bytes\n' >payload.bin
cat >good.xss <<'XSS'
// a comment between blocks
object TXObjectComponent
  ObjClassName = 'TXInstall'
  Obj.Title = 'Test'
end

object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.FileName = '<install>\payload.bin'
  Obj.Data.FileName = 'payload.bin'
end
object TXObjectComponent
  ObjClassName = 'TXUIFolderItem'
  Obj.FolderName = '<install>'
end
XSS

for lang in en de fr; do
  "$tool" lang "$words/$lang.words" -o "$lang.xlg" || fail "lang $lang"
  "$tool" lang --decode "$lang.xlg" >"$lang.back" || fail "decode $lang"
  cmp -s <(tr -d '\r' <"$words/$lang.words" | grep -av '^$') <(tr -d '\r' <"$lang.back") || fail "$lang round trip"
done

out=$("$tool" package good.xss -o good.pkg --lang de.xlg --lang fr.xlg 2>progress.txt) || fail "package"
# Not a terminal: plain progress lines, then the summary on the output.
[ "$(tail -n 1 progress.txt)" = "xsetup-build: 100%, 1/1 files, 14 B of 14 B" ] || fail "progress: $(cat progress.txt)"
grep -q $'\r' progress.txt && fail "a progress line redrawn into a file"
grep -Eq "^good.pkg: 1 file, 14 B in, [0-9.]+ KB out, [0-9.]+ s$" <<<"$out" || fail "summary: '$out'"
[ -z "$("$tool" package good.xss -o quiet.pkg -q 2>&1)" ] || fail "-q is not quiet"
for flag in -h --help; do "$tool" $flag | grep -q "^usage: xsetup-build package" || fail "$flag"; done
"$tool" --version | grep -Eq '^xsetup-build [0-9]+\.[0-9]+\.[0-9]+$' || fail "--version"
[ "$("$tool" verify good.pkg)" = ok ] || fail "verify"
dump=$("$tool" dump good.pkg)
grep -aq '"Languages"' <<<"$dump" || fail "no Languages group"
grep -aq "Obj.name = 'de.xlg'" <<<"$dump" || fail "de pack missing"
grep -aq "header 2 kind 4 count 3" <<<"$dump" || fail "folder item header"
grep -aq "header 1 kind 4 count 4" <<<"$dump" || fail "file item header"
grep -aq "Obj.DataIndex = <>" <<<"$dump" || fail "empty data index"
grep -aq "Obj.Data.Size = 14" <<<"$dump" || fail "file size"

check_error() {  # name, expected message part, script text
  printf '%s\n' "$3" >"$1.xss"
  out=$("$tool" package "$1.xss" -o "$1.pkg" 2>&1) && fail "$1 built"
  grep -aq -- "$2" <<<"$out" || fail "$1: got '$out'"
  [ ! -e "$1.pkg" ] && [ -z "$(ls ./*.tmp 2>/dev/null)" ] || fail "$1 left output behind"
}
check_error unknown "unknown.xss:3: 'Obj.Titel' is not a property" "object TXObjectComponent
  ObjClassName = 'TXInstall'
  Obj.Titel = 'x'
end"
check_error noitem "noitem.xss:5: 'TXInstall' is not an item class" "object TXObjectComponent
  ObjClassName = 'TXInstall'
end

object TXObjectComponent
  ObjClassName = 'TXInstall'
end"
check_error syntax "syntax.xss:3:" "object TXObjectComponent
  ObjClassName = 'TXInstall'
  Obj.Title = = 'x'
end"
check_error missing "cannot read 'nothere.bin'" "object TXObjectComponent
  ObjClassName = 'TXInstall'
end
object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.Data.FileName = 'nothere.bin'
end"
# Every missing source file is named with its block's line, not only the
# first; a file that is there between them changes nothing.
check_error missing3 "missing3.xss:8: TXUIFileItem '': cannot read 'gone2.bin'" "object TXObjectComponent
  ObjClassName = 'TXInstall'
end
object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.Data.FileName = 'gone1.bin'
end
object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.Data.FileName = 'gone2.bin'
end
object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.Data.FileName = 'payload.bin'
end
object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.Data.FileName = 'gone3.bin'
end"
grep -aq "missing3.xss:4: .*'gone1.bin'" <<<"$out" && grep -aq "missing3.xss:16: .*'gone3.bin'" <<<"$out" &&
  grep -aq "missing3.xss: 3 source files cannot be read" <<<"$out" || fail "missing files not all named: '$out'"
check_error empty "empty.xss: the script holds no object block" "// nothing but a comment"
check_error outside "outside.xss:1: expected 'object" "Title = 'x'"
# A full disk, emulated by a file size limit: the write fails, the earlier
# package stays as it was and no temporary file is left. The payload is
# random, so that it does not deflate below the limit.
head -c 300000 /dev/urandom >payload.bin
cp good.pkg before.pkg
out=$(trap '' XFSZ; ulimit -f 64; "$tool" package good.xss -o good.pkg 2>&1) && fail "a package larger than the disk was built"
grep -aq "cannot write good.pkg" <<<"$out" || fail "full disk: got '$out'"
cmp -s good.pkg before.pkg || fail "full disk: the earlier package changed"
[ -z "$(ls ./*.tmp 2>/dev/null)" ] || fail "full disk: a temporary file was left"
out=$(trap '' XFSZ; ulimit -f 64; "$tool" lang "$words/en.words" -o en.xlg 2>&1) || fail "a small pack within the limit: $out"
"$tool" package good.xss -o good.pkg || fail "package over an earlier one"
[ "$("$tool" verify good.pkg)" = ok ] || fail "verify after replacing"
cmp -s good.pkg before.pkg && fail "the package was not replaced"
[ -z "$(ls ./*.tmp 2>/dev/null)" ] || fail "a temporary file was left after success"

# --- setup: the package appended to a stub from a stub folder -------------
mkdir setup && cd setup || exit 1
# make_pe FILE x64|x86 MARK [PAGES]: a minimal PE image, the machine's COFF
# header and one section of PAGES*512 bytes of raw data at 512 that starts
# with MARK; the image ends where the file does.
make_pe() {
  local machine='\x64\x86' pages=${4:-1}
  [ "$2" = x86 ] && machine='\x4c\x01'
  put() { printf "$2" | dd of="$1" bs=1 seek=$(($3)) conv=notrunc status=none; }
  mkdir -p "$(dirname "$1")"
  head -c $((512 + 512 * pages)) /dev/zero >"$1"
  put "$1" 'MZ' 0; put "$1" '\x40' 0x3C; put "$1" 'PE\0\0' 0x40; put "$1" "$machine" 0x44
  put "$1" '\x01' 0x46; put "$1" "\\x00\\x$(printf %02x $((2 * pages)))" 0x68; put "$1" '\x00\x02' 0x6C
  put "$1" "$3" 0x200
}
make_stubs() {  # FOLDER: x64 stubs of 1024 bytes, x86 ones of 1536
  make_pe "$1/x64/setup.exe" x64 "setup64 $1"; make_pe "$1/x64/uninst.exe" x64 "uninst64 $1"
  make_pe "$1/x86/setup.exe" x86 "setup86 $1" 2; make_pe "$1/x86/uninst.exe" x86 "uninst86 $1" 2
}
make_stubs given; make_stubs env
# The installed layout: bin/xsetup-build beside share/xsetup.
mkdir -p inst/bin && cp "$tool" inst/bin/xsetup-build && make_stubs inst/share/xsetup
printf 'payload bytes\n' >payload.bin
app_script() {  # FILE [EXTRA ITEM]: an application with a UIExe, and a payload
  cat >"$1" <<XSS
object TXObjectComponent
  ObjClassName = 'TXInstall'
  Obj.AppItems = <
    item
      optSaveLog = True
      AppIdx = 3
      LogIdx = 0
      LogTitle = 'Test'
      UIExe = '<install>\Uninst.exe'
      UILog = '<ui>\test.xui'
    end>
  Obj.Title = 'Test'
end
object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.FileName = '<install>\payload.bin'
  Obj.Data.FileName = 'payload.bin'
end
${2:-}
XSS
}
app_script app.xss

# Which folder was used, by the stub at the start of the installer.
stub_of() { for f in given env inst/share/xsetup; do cmp -s -n "$2" "$1" "$f/$3/setup.exe" && echo "$f"; done; }
while read -r what arch size want; do
  case $what in
    option) out=$(XSETUP_STUBS=env "$tool" setup app.xss -o s.exe --arch "$arch" --stubs given 2>&1) ;;
    env) out=$(XSETUP_STUBS=env "$tool" setup app.xss -o s.exe --arch "$arch" 2>&1) ;;
    installed) out=$(XSETUP_STUBS= inst/bin/xsetup-build setup app.xss -o s.exe --arch "$arch" 2>&1) ;;
  esac || fail "setup ($what, $arch): $out"
  [ "$(stub_of s.exe "$size" "$arch")" = "$want" ] || fail "setup ($what, $arch) took the stub of '$(stub_of s.exe "$size" "$arch")'"
  # The package reads back behind the stub, found there by verify itself.
  [ "$("$tool" verify s.exe --start "$size")" = ok ] && [ "$("$tool" verify s.exe)" = ok ] || fail "verify $what $arch"
  dump=$("$tool" dump s.exe)
  grep -aq "Obj.FileName = '<install>\\\\Uninst.exe'" <<<"$dump" || fail "$what $arch: no uninst.exe item"
  grep -aq "Obj.Data.Size = $size" <<<"$dump" || fail "$what $arch: not the $arch uninst.exe"
  for field in "LogIdx = 0" "Component = 3" "SaveUndo = True" "Section = isFile" "Data.FileName = 'uninst.exe'"; do
    grep -aq "Obj.$field" <<<"$dump" || fail "$what $arch: the uninst.exe item lacks $field"
  done
done <<'CASES'
option x64 1024 given
option x86 1536 given
env x64 1024 env
installed x86 1536 inst/share/xsetup
CASES
# Default arch x64; the package of "setup" is the one "package" writes.
"$tool" setup app.xss -o default.exe --stubs given || fail "setup without --arch"
[ "$(stub_of default.exe 1024 x64)" = given ] || fail "the default arch is not x64"

# A script that installs its own UIExe keeps it, and needs no uninst.exe.
app_script own.xss "object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.FileName = '<INSTALL>\\uninst.exe'
  Obj.Data.FileName = 'payload.bin'
end"
cp -r given nouninst && rm nouninst/x64/uninst.exe
"$tool" setup own.xss -o own.exe --stubs nouninst || fail "setup of a script with its own uninstaller"
[ "$("$tool" dump own.exe | grep -ac "Data.FileName = 'uninst.exe'")" = 0 ] || fail "uninst.exe added beside the script's own"
[ "$("$tool" dump own.exe | grep -ac "Obj.Data.FileName = 'payload.bin'")" = 2 ] || fail "the script's own uninstaller item is missing"

# Faults of the stub folder: the message names where it looked, exit 1,
# no output and no temporary file. Cases: name, stubs folder, message.
make_pe wrong/x64/setup.exe x86 wrong
make_pe appended/x64/setup.exe x64 appended && printf 'an earlier package' >>appended/x64/setup.exe
make_pe notpe/x64/setup.exe x64 x && printf 'NZ' | dd of=notpe/x64/setup.exe conv=notrunc status=none
cp -r given wronguninst && make_pe wronguninst/x64/uninst.exe x86 wrong
while IFS='|' read -r name folder message; do
  out=$("$tool" setup app.xss -o "$name.exe" --stubs "$folder" 2>&1)
  [ $? = 1 ] || fail "$name: exit code"
  grep -aqF -- "$message" <<<"$out" || fail "$name: got '$out'"
  [ ! -e "$name.exe" ] && [ -z "$(ls ./*.tmp 2>/dev/null)" ] || fail "$name left output behind"
done <<'CASES'
nofolder|nothere|no stub folder nothere/ (from --stubs)
nosetup|inst|inst/x64/setup.exe is missing or cannot be read (stub folder inst/, from --stubs)
nouninst|nouninst|nouninst/x64/uninst.exe is missing
wrong|wrong|wrong/x64/setup.exe is an x86 program, not an x64
appended|appended|appended/x64/setup.exe has something appended already (18 bytes)
notpe|notpe|notpe/x64/setup.exe is not a Windows program
wronguninst|wronguninst|wronguninst/x64/uninst.exe is an x86 program, not an x64
CASES
# uninst.exe is delivered as it is: a symbol table behind its image is no
# fault, as it is for a stub that gets a package appended.
cp -r given symbols && printf 'symbols' >>symbols/x64/uninst.exe
"$tool" setup app.xss -o symbols.exe --stubs symbols || fail "setup with an uninst.exe that carries symbols"
out=$(XSETUP_STUBS=nothere "$tool" setup app.xss -o x.exe 2>&1) && fail "setup with a missing XSETUP_STUBS folder"
grep -aqF "no stub folder nothere/ (from XSETUP_STUBS)" <<<"$out" || fail "missing XSETUP_STUBS: got '$out'"
out=$(XSETUP_STUBS= "$tool" setup app.xss -o x.exe 2>&1) && fail "setup with no installed stub folder"
grep -aqF "share/xsetup/ (from the installed layout" <<<"$out" || fail "missing installed layout: got '$out'"
out=$("$tool" setup app.xss -o x.exe --arch arm64 --stubs given 2>&1)
[ $? = 2 ] && grep -aq "x64 or x86" <<<"$out" || fail "--arch arm64: got '$out'"

# A full disk: the earlier installer stays as it was, no temporary file.
head -c 300000 /dev/urandom >payload.bin
cp s.exe before.exe
out=$(trap '' XFSZ; ulimit -f 64; "$tool" setup app.xss -o s.exe --stubs given 2>&1) && fail "an installer larger than the disk was built"
grep -aq "cannot write s.exe" <<<"$out" || fail "setup, full disk: got '$out'"
cmp -s s.exe before.exe || fail "setup, full disk: the earlier installer changed"
[ -z "$(ls ./*.tmp 2>/dev/null)" ] || fail "setup, full disk: a temporary file was left"

# --- folder: an installer for a folder with no script ----------------------
mkdir -p app/sub/empty app/docs "app/it's"
printf 'program' >app/prog.exe; printf 'a' >app/sub/a.txt; printf 'b' >"app/it's/b.txt"; printf 'c' >app/sub/tool.exe
ln -s /etc app/link
# The language packs of the installed layout, found by language. Five
# files: the four of the folder and uninst.exe.
mkdir -p given/lang && cp ../de.xlg given/lang/
quick() { "$tool" folder app -o q.exe --name 'Demo App' --version 2.1 --publisher Acme --stubs given "$@"; }
out=$(quick --lang de 2>&1) || fail "folder: $out"
grep -q "skipped the link link" <<<"$out" || fail "folder: the link was not named as skipped: $out"
grep -Eq "^q.exe: 5 files, 1.01 KB in, " <<<"$out" || fail "folder summary: $out"
[ "$("$tool" verify q.exe)" = ok ] || fail "folder: verify"
dump=$("$tool" dump q.exe)
for want in "Obj.name = 'de.xlg'" "Obj.DefaultFolderName = '<wpf>Acme\\Demo App'" "Title = 'Demo App'" \
    "Version = '2.1'" "LogTitle = 'DemoApp'" "s = 'Acme'" "Launch = '<install>prog.exe'" \
    "Obj.FolderName = '<install>sub\\empty'" "Obj.FolderName = '<install>docs'" \
    "Obj.FileName = '<install>it'#39's\\b.txt'" "Obj.FileName = '<install>sub\\tool.exe'" \
    "Obj.LinkName = '<group>\\Demo App.lnk'" "Obj.FileName = '<install>uninst.exe'"; do
  grep -aqF "$want" <<<"$dump" || fail "folder: the package lacks $want"
done
grep -aq "link" <<<"$dump" && fail "folder: the link was packaged"
grep -aA3 "Obj.LgIDs.Strings" <<<"$dump" | grep -q "'7'" || fail "folder: German is not offered: $(grep -aA3 LgIDs <<<"$dump")"
# The emitted script, written into the folder, builds the same package.
rm -f app/link
quick --emit-script app/demo.xss -q || fail "folder --emit-script"
"$tool" setup app/demo.xss -o emitted.exe --stubs given -q || fail "setup from the emitted script"
cmp -s <("$tool" dump q.exe) <("$tool" dump emitted.exe) || fail "the emitted script builds another package"
# Written elsewhere, its file names lead back to the folder.
mkdir -p elsewhere && quick --emit-script elsewhere/demo.xss -q || fail "--emit-script elsewhere"
grep -qF "Obj.Data.FileName = '../app/sub/a.txt'" elsewhere/demo.xss || fail "emitted names: $(grep Data.FileName elsewhere/demo.xss)"
"$tool" setup elsewhere/demo.xss -o elsewhere.exe --stubs given -q || fail "setup from the script elsewhere"
rm app/demo.xss
# The program: --exe picks one; two at the top and none given: no shortcut.
printf 'second' >app/second.exe
quick -q || fail "folder with two programs"
"$tool" dump q.exe | grep -aq "LinkName\|Launch =" && fail "two programs, none chosen: a shortcut was made"
quick -q --exe 'sub\tool.exe' || fail "--exe sub\\tool.exe"
"$tool" dump q.exe | grep -aqF "Launch = '<install>sub\\tool.exe'" || fail "--exe: not launched"
while IFS='|' read -r code message args; do
  out=$(eval "$tool folder $args" 2>&1)
  [ $? = "$code" ] && grep -aqF -- "$message" <<<"$out" || fail "folder $args: exit $?, got '$out'"
done <<'CASES'
1|--exe names no file of the folder: 'nothere.exe'|app -o x.exe --name N --stubs given --exe nothere.exe
1|--name must be a name Windows can give a folder|app -o x.exe --name 'a/b' --stubs given
1|no folder nothere|nothere -o x.exe --name N --stubs given
2|folder needs --name NAME|app -o x.exe
1|cannot read language pack given/lang/xx.xlg|app -o x.exe --name N --stubs given --lang xx
CASES
[ ! -e x.exe ] || fail "a failed folder build left its output"
printf 'u' >app/uninst.exe
out=$(quick 2>&1) && fail "a folder with uninst.exe at its top was built"
grep -q "holds uninst.exe" <<<"$out" || fail "uninst.exe: got '$out'"
cd .. || exit 1
echo "build commands: all checks passed"
