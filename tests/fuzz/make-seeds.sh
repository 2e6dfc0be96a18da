#!/usr/bin/env bash
# Makes the seeds of corpus/ from real inputs, built by the native build's
# programs: language packs compiled from src/lang/words, small install
# packages, an undo log written by run_script in the emulated machine, and
# small PE images linked by mingw-w64 with the example's version resource.
# Each seed starts with its target's mode byte (see each *_fuzzer.cpp).
# Usage: make-seeds.sh NATIVE_BUILD_DIR
set -eu
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
root=$here/../..
corpus=$here/corpus
builder=$build/apps/xsetup-build/xsetup-build
run_script=$build/tests/engine/run_script
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

# seed FILE TARGET NAME [MODE]: TARGET's seed NAME, the mode byte (when
# the target takes one) then FILE.
seed() {
  mkdir -p "$corpus/$2"
  { [ $# -lt 4 ] || printf "\\x$(printf %02x "$4")"; cat "$1"; } > "$corpus/$2/$3"
}

# Language packs, and words texts both plain and encoded as packs hold them.
for lang in en de fr; do
  "$builder" lang "$root/src/lang/words/$lang.words" -o "$tmp/$lang.xlg"
done
seed "$tmp/fr.xlg" language pack_fr 0
seed "$tmp/de.xlg" language pack_de_resealed 1
head -n 12 "$root/src/lang/words/en.words" > "$tmp/plain.words"
seed "$tmp/plain.words" language words_plain 2
python3 - "$root/src/lang/words/de.words" > "$tmp/encoded.words" <<'PY'
import sys
digits = "0123456789ABCDEFGHIJKLMNOPQRSTVUWXYZ"
for line in open(sys.argv[1], "rb").read().splitlines()[:16]:
    name, _, value = line.partition(b"=")
    if name not in (b"LangID", b"LangName"):
        value = "".join(digits[b // 36] + digits[b % 36] for b in value).encode()
    sys.stdout.buffer.write(name + b"=" + value + b"\r\n")
PY
seed "$tmp/encoded.words" language words_encoded 2

# A small package: a folder, a text file, a PE image, a registry value and
# an INI entry, with and without a language pack; then its undo log.
mkdir -p "$tmp/pe"
printf 'void start(void) { for (;;); }\n' > "$tmp/pe/tiny.c"
for arch in x86_64 i686; do
  entry=start; [ $arch = i686 ] && entry=_start
  $arch-w64-mingw32-windres "$root/examples/hello/hello.rc" -O coff -o "$tmp/pe/version_$arch.o"
  $arch-w64-mingw32-gcc -Os -nostdlib -e $entry -s "$tmp/pe/tiny.c" "$tmp/pe/version_$arch.o" \
    -o "$tmp/pe/tiny_$arch.exe"
  seed "$tmp/pe/tiny_$arch.exe" pe_image "tiny_$arch"
done
# The minimal images of the PE tests, 32- and 64-bit.
c++ -std=c++20 -I"$root/tests/platform" -x c++ -o "$tmp/pe/build_minimal" - <<'CPP'
#include <cstdio>
#include "pe_builder.h"
int main(int, char** argv) {
  for (bool plus : {false, true}) {
    xs::PeBuilder pe;
    pe.pe32_plus = plus;
    std::vector<uint8_t> bytes = pe.Build();
    std::FILE* f = std::fopen(argv[plus ? 2 : 1], "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
}
CPP
"$tmp/pe/build_minimal" "$tmp/pe/minimal32.exe" "$tmp/pe/minimal64.exe"
seed "$tmp/pe/minimal32.exe" pe_image minimal32
seed "$tmp/pe/minimal64.exe" pe_image minimal64
cp "$tmp/pe/tiny_i686.exe" "$tmp/tiny.exe"
printf 'Read me first.\r\n' > "$tmp/readme.txt"
cat > "$tmp/small.xss" <<'XSS'
object TXObjectComponent
  ObjClassName = 'TXInstall'
  Obj.AppItems = <
    item
      optSaveLog = True
      Title = 'Fuzz Seed'
      LogTitle = 'FuzzSeed'
      Version = '1.0'
      Folder = '<pf>Fuzz Seed'
    end>
  Obj.Title = 'Fuzz Seed'
end

object TXObjectComponent
  ObjClassName = 'TXUIFolderItem'
  Obj.Section = isFolder
  Obj.SaveUndo = True
  Obj.FolderName = '<pf>Fuzz Seed'
end

object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.Section = isFile
  Obj.SaveUndo = True
  Obj.FileName = '<pf>Fuzz Seed\readme.txt'
  Obj.Data.FileName = 'readme.txt'
end

object TXObjectComponent
  ObjClassName = 'TXUIFileItem'
  Obj.Section = isFile
  Obj.SaveUndo = True
  Obj.FileName = '<pf>Fuzz Seed\tiny.exe'
  Obj.Options = optfIfNewer
  Obj.Data.FileName = 'tiny.exe'
end

object TXObjectComponent
  ObjClassName = 'TXUIRegValItem'
  Obj.Section = isReg
  Obj.SaveUndo = True
  Obj.RootID = 2147483649
  Obj.KeyName = 'Software\Fuzz Seed'
  Obj.ValueName = 'Folder'
  Obj.Value = '<pf>Fuzz Seed'
end
XSS
"$builder" package "$tmp/small.xss" -o "$tmp/small.pkg"
"$builder" package "$tmp/small.xss" -o "$tmp/small_lang.pkg" --lang "$tmp/en.xlg"
XS_EMULATION_ROOT=$tmp/machine "$run_script" install "$tmp/small.pkg" "$tmp/small.log" > /dev/null
seed "$tmp/small.pkg" container package 0
seed "$tmp/small_lang.pkg" container package_lang 8
seed "$tmp/small.log" container undo_log 1
seed "$tmp/small.pkg" install_filer package 0
seed "$tmp/small_lang.pkg" install_filer package_lang_from_file 4
seed "$tmp/small.log" install_filer undo_log 2
seed "$tmp/small.log" install_filer undo_log_resealed 3

# The message-box masters and the decoder tests' JPEG.
for icon in information question error warning; do
  seed "$root/src/graphics/images/$icon.png" image_codec "png_$icon" 0
done
seed "$root/tests/graphics/data/quadrants.jpg" image_codec jpeg_quadrants 1
