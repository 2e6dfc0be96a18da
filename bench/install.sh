#!/usr/bin/env bash
# Installs a large folder of files taken from this machine (at least 200 MB
# in at least 4,000 files: /usr/share/doc, topped up with the largest
# libraries) and prints the wall time and the peak memory (resident set) of
#   - the builder making setup.exe of it (Linux, release build),
#   - setup.exe installing it silently under Wine (64-bit),
#   - the Linux setup program installing it against the emulation,
#   - tar xzf of the same folder, the floor.
# The release programs are built into build/bench-native; the Windows stubs
# come from the build tree's stub folder (build the windows preset first).
#
# Usage: bench/install.sh
# Environment: WORK_DIR (default build/bench-install), SIZE_MB (default 200),
# STUBS (default build/stubs).
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
work=${WORK_DIR:-$root/build/bench-install}
size_mb=${SIZE_MB:-200}
stubs=${STUBS:-$root/build/stubs}
native=$root/build/bench-native
[ -f "$stubs/x64/setup.exe" ] || { echo "no stubs in $stubs: build the windows preset first" >&2; exit 2; }

cmake -S "$root" -B "$native" -G Ninja -DCMAKE_BUILD_TYPE=Release -DXSETUP_TESTS=OFF >/dev/null
cmake --build "$native" --target xsetup-build setup >/dev/null
builder=$native/apps/xsetup-build/xsetup-build

# The payload: made once, kept between runs.
payload=$work/payload
if [ ! -f "$work/payload.done" ]; then
  rm -rf "$payload" && mkdir -p "$payload"
  # Names the script's quoted strings can carry as they are.
  (cd /usr/share && find doc -type f -size +0 | grep -E '^[A-Za-z0-9._/+-]+$' | tar cf - -T - 2>/dev/null) |
    (cd "$payload" && tar xf -)
  mkdir -p "$payload/lib"
  find /usr/lib/x86_64-linux-gnu -maxdepth 1 -type f -size +1M -printf '%s %p\n' | sort -rn | while read -r _ f; do
    [ "$(du -sm "$payload" | cut -f1)" -ge "$size_mb" ] && break
    cp "$f" "$payload/lib/"
  done
  touch "$work/payload.done"
fi
files=$(find "$payload" -type f | wc -l)
megabytes=$(du -sm "$payload" | cut -f1)

# The script: one folder item per folder, one file item per file.
script=$work/payload.xss
{
  cat <<'EOF'
object TXObjectComponent
  ObjClassName = 'TXInstall'
  Obj.AppItems = <
    item
      optSaveLog = True
      Title = 'XSetup Bench'
      LogTitle = 'XSetupBench'
      Version = '1.0'
      Folder = '<install>'
      UIExe = '<install>uninst.exe'
      UILog = '<install>bench.xui'
    end>
  Obj.Title = 'XSetup Bench'
  Obj.DefaultFolderName = '<pf>XSetup Bench'
end
EOF
  printf "\nobject TXObjectComponent\n  ObjClassName = 'TXUIFolderItem'\n  Obj.Section = isFolder\n"
  printf "  Obj.SaveUndo = True\n  Obj.FolderName = '<install>'\nend\n"
  (cd "$payload" && find . -mindepth 1 -type d | sort) | while read -r d; do
    d=${d#./}
    printf "\nobject TXObjectComponent\n  ObjClassName = 'TXUIFolderItem'\n  Obj.Section = isFolder\n"
    printf "  Obj.SaveUndo = True\n  Obj.FolderName = '<install>%s'\nend\n" "${d//\//\\}"
  done
  (cd "$payload" && find . -type f | sort) | while read -r f; do
    f=${f#./}
    printf "\nobject TXObjectComponent\n  ObjClassName = 'TXUIFileItem'\n  Obj.Section = isFile\n"
    printf "  Obj.SaveUndo = True\n  Obj.FileName = '<install>%s'\n" "${f//\//\\}"
    printf "  Obj.Data.FileName = 'payload/%s'\nend\n" "$f"
  done
} >"$script"

measure() {  # LABEL COMMAND...: one line of the table
  local label=$1 out
  shift
  out=$( { /usr/bin/time -f '%e %M' "$@" >/dev/null 2>"$work/err.txt"; } 2>&1 | tail -n 1)
  [ -s "$work/err.txt" ] && tail -n 3 "$work/err.txt" >&2
  read -r seconds kb <<<"$out"
  printf '%-34s %9s s %9s MB\n' "$label" "$seconds" "$((kb / 1024))"
}

echo "payload: $files files, $megabytes MB"
rm -f "$work/setup.exe" "$work/payload.pkg"
measure "build setup.exe (Linux builder)" "$builder" setup "$script" -o "$work/setup.exe" --stubs "$stubs"
"$builder" package "$script" -o "$work/payload.pkg" >/dev/null
echo "setup.exe: $(($(stat -c %s "$work/setup.exe") / 1048576)) MB"

env_dir=$work/wine
"$root/tests/wine/wine-env.sh" start "$env_dir" >/dev/null
trap '"$root/tests/wine/wine-env.sh" stop "$env_dir" >/dev/null' EXIT
export WINEPREFIX=$env_dir/prefix WINEDEBUG=-all DISPLAY=$(cat "$env_dir/display")
# The prefix's own processes start with the first program; let them settle.
/usr/lib/wine/wine64 cmd /c exit >/dev/null 2>&1 || true
measure "install under Wine (setup.exe)" /usr/lib/wine/wine64 "$work/setup.exe" /silent '/dir:C:\bench-wine'
installed=$(find "$WINEPREFIX/drive_c/bench-wine" -type f | wc -l)
echo "  files installed: $installed"

emulation=$work/emulation
rm -rf "$emulation"
measure "install natively (emulation)" env XS_EMULATION_ROOT="$emulation" "$native/apps/setup/setup" /silent \
  "/file:$work/payload.pkg" "/dir:$emulation/bench-native"

tar czf "$work/payload.tgz" -C "$work" payload
rm -rf "$work/untar" && mkdir -p "$work/untar"
measure "tar xzf (floor)" tar xzf "$work/payload.tgz" -C "$work/untar"
