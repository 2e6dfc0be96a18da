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

"$tool" package good.xss -o good.pkg --lang de.xlg --lang fr.xlg || fail "package"
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
cd .. || exit 1
echo "build commands: all checks passed"
