#!/usr/bin/env bash
# The installed layout of the Linux tree: install_layout_test.sh WORKDIR
# BUILD_DIR WORDS_DIR. `cmake --install` puts bin/xsetup-build and the
# compiled language packs in share/xsetup/lang/, where the installed builder
# finds a pack by its language; a path still names a pack file.
set -u
work=$1 build=$2 words=$3
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

cmake --install "$build" --prefix inst >install.out 2>&1 || { cat install.out; fail "cmake --install"; }
tool=inst/bin/xsetup-build
[ -x "$tool" ] || fail "no bin/xsetup-build"
for lang in de en fr; do
  "$tool" lang --decode "inst/share/xsetup/lang/$lang.xlg" >"$lang.back" || fail "no installed $lang pack"
  cmp -s <(tr -d '\r' <"$words/$lang.words" | grep -av '^$') <(tr -d '\r' <"$lang.back") || fail "installed $lang pack"
done

printf 'x' >payload.bin
cat >p.xss <<'XSS'
object TXObjectComponent
  ObjClassName = 'TXInstall'
end
object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.Data.FileName = 'payload.bin'
end
XSS
"$tool" lang "$words/fr.words" -o mine.xlg || fail "lang"
XSETUP_STUBS= "$tool" package p.xss -o p.pkg --lang de --lang mine.xlg -q || fail "package with --lang de"
dump=$("$tool" dump p.pkg)
grep -aq "Obj.name = 'de.xlg'" <<<"$dump" && grep -aq "Obj.name = 'mine.xlg'" <<<"$dump" || fail "packs not packaged"
out=$(XSETUP_STUBS= "$tool" package p.xss -o q.pkg --lang xx 2>&1) && fail "an unknown language was packaged"
grep -qF "cannot read language pack $PWD/inst/bin/../share/xsetup/lang/xx.xlg" <<<"$out" ||
  fail "unknown language: got '$out'"
echo "install layout: all checks passed"
