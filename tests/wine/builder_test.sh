#!/usr/bin/env bash
# Installers the Windows builder makes beyond a written script, under Wine,
# checked from outside (reg, the files, the shortcut, openssl and
# osslsigncode): quick mode on the example's folder, installed silently,
# its shortcut leading to the installed program and its uninstall leaving
# nothing; then that installer signed with a throw-away certificate made
# here, which osslsigncode verifies, whose package the builder still reads
# and which still installs.
# Usage: builder_test.sh WORK_DIR WINE_DIR BITS STUBS_DIR XSETUP_BUILD EXAMPLE_DIR
set -u
work=$1 wine_dir=$2 bits=$3 stubs=$4 builder=$5 example=$6
here=$(cd "$(dirname "$0")" && pwd)
. "$here/installer_checks.sh"
arch=x64
[ "$bits" = 32 ] && arch=x86

rm -rf "$work" && mkdir -p "$work/app/docs/more"
cp "$example/hello.exe" "$example/hello_tools.dll" "$example/readme.txt" "$example/license.txt" "$work/app/"
cp "$example/notes.txt" "$work/app/docs/more/"
mkdir "$work/app/empty"

# --- Quick mode --------------------------------------------------------------
run "$builder" folder "$work/app" -o "$work/quick-setup.exe" --name 'Hello Quick' --version 3.4 \
  --publisher 'Quick Example' --arch "$arch" --stubs "$stubs" >"$work/build.out" 2>&1 ||
  { cat "$work/build.out"; echo "FAIL: quick build"; exit 1; }
grep -q "quick-setup.exe: 6 files, " "$work/build.out" || fail "no summary line: $(cat "$work/build.out")"

take_before "$stubs/$arch/setup.exe"
install_entry "$work/quick-setup.exe" "$work/quick.log" HelloQuick quick
[[ "$folder" == *'\Programs\Quick Example\Hello Quick\' ]] || fail "quick: not under the user's programs: '$folder'"
for f in hello.exe hello_tools.dll readme.txt license.txt docs/more/notes.txt; do
  cmp -s "$work/app/$f" "$app/$f" || fail "quick $f: not installed as packaged"
done
[ -d "$app/empty" ] || fail "quick: the empty folder was not made"
for check in "DisplayName|Hello Quick" "DisplayVersion|3.4" "Publisher|Quick Example" "DisplayIcon|${folder}hello.exe"; do
  name=${check%%|*} want=${check#*|}
  [ "$(entry_value HelloQuick "$name")" = "$want" ] || fail "quick $name: '$(entry_value HelloQuick "$name")', not '$want'"
done
# The shortcut resolves: the full path it names is the installed program.
link=$(find "$drive/users" -path '*Start Menu/Programs/Hello Quick/Hello Quick.lnk' | head -n 1)
target=$([ -n "$link" ] && { strings -n 8 "$link"; strings -n 8 -el "$link"; } | grep -iE '^[a-z]:\\.*\\hello\.exe$' | head -n 1)
[ -n "$target" ] && cmp -s "$(unix_path "$target")" "$work/app/hello.exe" ||
  fail "quick: the shortcut '$link' leads to '$target', not the installed hello.exe"
uninstall_cleanly HelloQuick quick

# --- A signed installer --------------------------------------------------------
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj '/CN=XSetup test signer' \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" >/dev/null 2>&1 ||
  { echo "FAIL: no test certificate"; exit 1; }
osslsigncode sign -certs "$work/cert.pem" -key "$work/key.pem" -n 'Hello Quick' \
  -in "$work/quick-setup.exe" -out "$work/signed-setup.exe" >"$work/sign.out" 2>&1 ||
  { cat "$work/sign.out"; echo "FAIL: signing"; exit 1; }
osslsigncode verify -CAfile "$work/cert.pem" -in "$work/signed-setup.exe" >"$work/verify.out" 2>&1 &&
  grep -q 'Signature verification: ok' "$work/verify.out" || fail "osslsigncode verify: $(cat "$work/verify.out")"
# The package still starts where the stub's image ends; the certificate
# table sits behind it.
stub_size=$(stat -c %s "$stubs/$arch/setup.exe")
for start in "--start $stub_size" ""; do
  result=$(run "$builder" verify "$work/signed-setup.exe" $start 2>&1 | tr -d '\r')
  [ "$result" = ok ] || fail "verify $start of the signed installer: $result"
done
install_entry "$work/signed-setup.exe" "$work/signed.log" HelloQuick signed
cmp -s "$work/app/hello.exe" "$app/hello.exe" || fail "signed: hello.exe not installed"
uninstall_cleanly HelloQuick signed

[ "$failures" -eq 0 ] && echo "all builder checks passed"
[ "$failures" -eq 0 ]
