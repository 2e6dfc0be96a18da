#!/usr/bin/env bash
# Builder speed, memory and output size: bench/build.sh [--big] [WORKDIR]
# On the payload of bench/install.sh (at least 150 MB in at least 4,000
# files) it prints, each with wall time and peak memory:
#   - xsetup-build package at -j 1 and at -j all cores, with the speed-up,
#     and whether the two packages are identical;
#   - the package at the default level and with --best, against the payload;
#   - the same files compressed one by one with gzip -9, against both.
# With --big it builds instead a package of one file of 1 GB of random bytes
# and tells whether its peak memory stayed under 100 MB.
# The builder is a release build made here (in build/bench-native).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
big=false
if [ "${1:-}" = --big ]; then big=true; shift; fi
work=$(realpath -m "${1:-build/bench-build}")
native=$root/build/bench-native
tool=$native/apps/xsetup-build/xsetup-build
cores=$(nproc)
cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DXSETUP_TESTS=OFF >/dev/null
cmake --build "$native" --target xsetup-build >/dev/null
rm -rf "$work" && mkdir -p "$work"
cd "$work"
source "$root/bench/common.sh"

wall() { cut -d' ' -f1 "$1.time"; }
peak_mb() { echo $(($(cut -d' ' -f2 "$1.time") / 1024)); }
size() { stat -c %s "$1"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.3f", a / b }'; }

if $big; then
  mkdir payload
  head -c $((1024 * 1024 * 1024)) /dev/urandom >payload/big.bin
  printf "object TXObjectComponent\n  ObjClassName = 'TXInstall'\n  Obj.Title = 'big'\nend\n%s\n" \
    "object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.FileName = '<install>\\big.bin'
  Obj.Data.FileName = 'payload/big.bin'
end" >big.xss
  measure big "package of one 1 GB random file, -j $cores" "$tool" package big.xss -o big.pkg -j "$cores"
  peak=$(peak_mb big)
  echo "package: $(($(size big.pkg) / 1024 / 1024)) MB; peak memory $peak MB: $([ "$peak" -lt 100 ] && echo under || echo NOT under) 100 MB"
  exit 0
fi

make_payload
measure j1 "package -j 1" "$tool" package bench.xss -o j1.pkg -j 1
measure jn "package -j $cores" "$tool" package bench.xss -o jn.pkg -j "$cores"
echo "speed-up -j $cores against -j 1: $(ratio "$(wall j1)" "$(wall jn)")x; packages $(cmp -s j1.pkg jn.pkg && echo identical || echo DIFFERENT)"
measure best "package --best -j $cores" "$tool" package bench.xss -o best.pkg --best -j "$cores"
echo "time --best against default: $(ratio "$(wall best)" "$(wall jn)")x"

gzipped=0
while IFS= read -r -d '' f; do
  gzipped=$((gzipped + $(gzip -9 -c "$f" | wc -c)))
done < <(find payload -type f -print0)
echo "payload: $bytes bytes"
echo "package, default: $(size jn.pkg) bytes, $(ratio "$(size jn.pkg)" "$bytes") of the payload"
echo "package, --best:  $(size best.pkg) bytes, $(ratio "$(size best.pkg)" "$bytes") of the payload, $(ratio "$(size best.pkg)" "$(size jn.pkg)") of default"
echo "gzip -9 file by file: $gzipped bytes, $(ratio "$gzipped" "$bytes") of the payload; default package $(ratio "$(size jn.pkg)" "$gzipped"), --best $(ratio "$(size best.pkg)" "$gzipped") of it"
