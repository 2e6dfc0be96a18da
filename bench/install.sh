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
min_bytes=$((150 * 1024 * 1024)) min_files=4000
[ -e "$stubs/x64/setup.exe" ] || { echo "bench/install.sh: no stubs in $stubs: build the windows preset first" >&2; exit 1; }
cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DXSETUP_TESTS=OFF >/dev/null
cmake --build "$native" --target xsetup-build setup >/dev/null
rm -rf "$work" && mkdir -p "$work/payload"
cd "$work"

# The payload: plain files with names every file system here takes (no
# quotes, no blanks, no name ending in a dot, which Windows drops, no two
# paths differing only in case, folders included), until both bounds hold.
# The search ends early by design: no pipefail here.
set +o pipefail
find /usr/share /usr/lib -type f -readable -size -8M -printf '%s %p\n' 2>/dev/null |
  LC_ALL=C grep -E '^[0-9]+ [A-Za-z0-9/._+-]+$' | LC_ALL=C grep -vE '\./|\.$' |
  awk -v min_bytes=$min_bytes -v min_files=$min_files '
    { # every folder on the way, and the file, must be new or met before in the same case
      count = split($2, parts, "/"); path = ""
      for (i = 2; i <= count; i++) {
        path = path "/" parts[i]; k = tolower(path)
        if (k in seen && seen[k] != path) next
        if (i == count && k in seen) next
      }
      path = ""
      for (i = 2; i <= count; i++) { path = path "/" parts[i]; seen[tolower(path)] = path }
      total += $1; n++; print $2 }
    n >= min_files && total >= min_bytes { exit }' >files.txt
set -o pipefail
sed 's|^/||' files.txt | tar -C / -cf - --no-recursion -T - | tar -C payload -xf -
files=$(find payload -type f | wc -l) bytes=$(du -sb payload | cut -f1)
[ "$files" -ge $min_files ] && [ "$bytes" -ge $min_bytes ] ||
  { echo "bench/install.sh: only $files files, $bytes bytes found on this machine" >&2; exit 1; }
echo "payload: $files files, $((bytes / 1024 / 1024)) MB"

# The script: the application, one folder item per folder, one file item per
# file, all below "<pf>XSetupBench", and the uninstaller the builder adds.
{
  cat <<'XSS'
object TXObjectComponent
  ObjClassName = 'TXInstall'
  Obj.AppItems = <
    item
      optSaveLog = True
      Title = 'XSetup bench'
      LogTitle = 'XSetupBench'
      Folder = '<install>'
      UIExe = '<install>uninst.exe'
      UILog = '<install>bench.xui'
    end>
  Obj.Title = 'XSetup bench'
  Obj.DefaultFolderName = '<pf>XSetupBench'
end
object TXObjectComponent
  ObjClassName = 'TXUIFolderItem'
  Obj.Section = isFolder
  Obj.SaveUndo = True
  Obj.FolderName = '<install>'
end
XSS
  (cd payload && find . -mindepth 1 -type d | sort) | while read -r d; do
    printf "object TXObjectComponent\n  ObjClassName = 'TXUIFolderItem'\n  Obj.Section = isFolder\n"
    printf "  Obj.SaveUndo = True\n  Obj.FolderName = '<install>%s'\nend\n" "$(tr / '\\' <<<"${d#./}")"
  done
  (cd payload && find . -type f | sort) | while read -r f; do
    printf "object TXObjectComponent\n  ObjClassName = 'TXUIFileItem'\n  Obj.Section = isFile\n  Obj.SaveUndo = True\n"
    printf "  Obj.FileName = '<install>%s'\n  Obj.Data.FileName = 'payload%s'\nend\n" \
      "$(tr / '\\' <<<"${f#./}")" "${f#.}"
  done
} >bench.xss

measure() {  # NAME LABEL COMMAND...: prints "LABEL: S s (U s user, Y s system), M MB peak"
  local name=$1 label=$2 wall peak user system
  shift 2
  if ! /usr/bin/time -o "$name.time" -f '%e %M %U %S' "$@" >"$name.out" 2>"$name.err"; then
    echo "$label: failed, see $work/$name.err"
    return 1
  fi
  read -r wall peak user system < <(tail -1 "$name.time")
  echo "$label: $wall s ($user s user, $system s system), $((peak / 1024)) MB peak"
}

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
