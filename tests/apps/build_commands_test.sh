#!/usr/bin/env bash
# xsetup-build package and lang, end to end: build_commands_test.sh WORKDIR
# XSETUP_BUILD WORDS_DIR. Checks script errors (line named, no output left),
# language packs compiled and decoded back, and a package with packs that
# verify accepts and dump shows.
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
  [ ! -e "$1.pkg" ] && [ ! -e "$1.pkg.part" ] || fail "$1 left output behind"
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
echo "build commands: all checks passed"
