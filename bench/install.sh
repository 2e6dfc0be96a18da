#!/usr/bin/env bash
# Install speed and memory on a large payload: bench/install.sh [WORKDIR]
# Makes a folder of at least 150 MB in at least 4,000 files copied from this
# machine (/usr/share, /usr/lib), writes a script that installs it under
# "<pf>\XSetupBench", and measures, each with wall time and peak memory:
#   - tar xzf of the same folder: the floor;
#   - xsetup-build setup: building the installer;
#   - setup.exe /silent under Wine (64-bit), then a check of the files;
#   - the Linux setup program installing the same package natively, against
#     the emulation.
# The builder and the Linux setup program are release builds made here (in
# build/bench-native); the stubs come from the Windows builds' stub folder
# (build/stubs; XSETUP_STUBS overrides it). Prints one line a step.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
work=$(realpath -m "${1:-build/bench-install}")
native=$root/build/bench-native
tool=$native/apps/xsetup-build/xsetup-build
native_setup=$native/apps/setup/setup
stubs=${XSETUP_STUBS:-$root/build/stubs}
[ -e "$stubs/x64/setup.exe" ] || { echo "bench/install.sh: no stubs in $stubs: build the windows preset first" >&2; exit 1; }
cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DXSETUP_TESTS=OFF >/dev/null
cmake --build "$native" --target xsetup-build setup >/dev/null
rm -rf "$work" && mkdir -p "$work/payload"
cd "$work"

source "$root/bench/common.sh"
make_payload

tar czf payload.tgz payload
mkdir tar-out
measure tar "tar xzf (floor)" tar xzf payload.tgz -C tar-out
measure build "xsetup-build setup" "$tool" setup bench.xss -o bench-setup.exe --stubs "$stubs"
"$tool" package bench.xss -o bench.pkg
echo "installer: $(( $(stat -c %s bench-setup.exe) / 1024 / 1024 )) MB"

# Wine: a fresh prefix; the files are compared with the payload afterwards.
env_dir=$work/wine
"$root/tests/wine/wine-env.sh" start "$env_dir" >/dev/null
trap '"$root/tests/wine/wine-env.sh" stop "$env_dir"' EXIT
WINE_TIMEOUT=1800 measure wine "setup.exe /silent (Wine)" "$root/tests/wine/wine-run.sh" "$env_dir" bench-setup.exe /silent || true
target="$env_dir/prefix/drive_c/Program Files/XSetupBench"
installed=$( [ -d "$target" ] && find "$target" -type f ! -name bench.xui ! -name uninst.exe | wc -l || echo 0)
if [ "$installed" -eq "$files" ] && diff -rq payload "$target" -x bench.xui -x uninst.exe >/dev/null; then
  echo "setup.exe /silent (Wine): all $files files installed, byte-identical"
else
  echo "setup.exe /silent (Wine): $installed of $files files installed: its figures are not an install's"
fi

# Native, against the emulation under WORKDIR/emulation.
export XS_EMULATION_ROOT=$work/emulation
measure native "setup /silent (native, emulation)" "$native_setup" /silent "/file:$work/bench.pkg" || true
installed_native="$XS_EMULATION_ROOT/Program Files/XSetupBench"
if diff -rq payload "$installed_native" -x bench.xui -x uninst.exe >/dev/null 2>&1; then
  echo "setup /silent (native, emulation): all $files files installed, byte-identical"
else
  echo "setup /silent (native, emulation): the installed folder differs from the payload"
fi
