#!/usr/bin/env bash
# xsetup-build writes the same bytes for the same inputs:
# reproducible_build_test.sh WORKDIR XSETUP_BUILD. Two copies of one folder,
# their files created in opposite orders with the same time stamps, build
# into identical packages at -j 1 and -j 2, which verify reads back whole
# (zlib inflating every item and checking its checksum); --best is smaller;
# bad -j values are refused.
set -u
work=$1 tool=$2
rm -rf "$work" && mkdir -p "$work/a" "$work/b" && cd "$work" || exit 1
fail() { echo "FAIL: $*"; exit 1; }

# An empty file, small and compressible ones, random ones, and one past the
# size compressed whole, which is streamed.
names=(empty.txt readme.txt words.txt tiny.bin random.bin big.bin last.txt)
: >src.empty.txt
printf 'read me\n' >src.readme.txt
for i in $(seq 1 4000); do echo "line $i of the words every installer carries"; done >src.words.txt
printf 'x' >src.tiny.bin
head -c 200000 /dev/urandom >src.random.bin
{ head -c 8500000 /dev/urandom; for i in $(seq 1 100000); do echo "tail line $i"; done; } >src.big.bin
cp src.words.txt src.last.txt
for n in "${names[@]}"; do touch -d '2024-03-01 12:34:56' "src.$n"; done
for n in "${names[@]}"; do cp -p "src.$n" "a/$n"; done
for ((i = ${#names[@]} - 1; i >= 0; i--)); do cp -p "src.${names[i]}" "b/${names[i]}"; done

for d in a b; do
  {
    printf "object TXObjectComponent\n  ObjClassName = 'TXInstall'\n  Obj.Title = 'Same'\nend\n"
    for n in "${names[@]}"; do
      printf "object TXObjectComponent\n  ObjClassName = 'TXUIFileItem'\n  Obj.FileName = '<install>\\\\%s'\n  Obj.Data.FileName = '%s'\nend\n" "$n" "$n"
    done
  } >"$d/setup.xss"
done

"$tool" package a/setup.xss -o a1.pkg -j 1 || fail "a at -j 1"
"$tool" package a/setup.xss -o a2.pkg -j 2 || fail "a at -j 2"
"$tool" package b/setup.xss -o b2.pkg -j 2 || fail "b at -j 2"
"$tool" package b/setup.xss -o b5.pkg -j 5 || fail "b at -j 5"
for p in a1 a2 b2 b5; do
  [ "$("$tool" verify $p.pkg)" = ok ] || fail "verify $p"
done
cmp a1.pkg a2.pkg || fail "-j 1 and -j 2 differ"
cmp a2.pkg b2.pkg || fail "the shuffled copy differs"
cmp b2.pkg b5.pkg || fail "-j 2 and -j 5 differ"
"$tool" dump a1.pkg | grep -aq "Obj.Data.Size = $(stat -c %s src.big.bin)" || fail "big file size"

"$tool" package a/setup.xss -o best.pkg --best || fail "--best"
[ "$("$tool" verify best.pkg)" = ok ] || fail "verify --best"
[ "$(stat -c %s best.pkg)" -lt "$(stat -c %s a1.pkg)" ] || fail "--best is not smaller"

for bad in 0 -1 x 1x 257; do
  "$tool" package a/setup.xss -o bad.pkg -j "$bad" 2>/dev/null
  [ $? -eq 2 ] || fail "-j $bad was not refused"
done
[ ! -e bad.pkg ] || fail "a refused build left output"
echo ok
