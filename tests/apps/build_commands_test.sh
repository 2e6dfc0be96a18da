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
echo "build commands: all checks passed"
