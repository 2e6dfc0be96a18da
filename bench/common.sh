# What the benches share, sourced from their working folder: the payload of
# at least 150 MB in at least 4,000 files copied from this machine, its
# install script, and the measure of one command.

# Makes payload/ and bench.xss in the current folder; sets files and bytes.
make_payload() {
  local min_bytes=$((150 * 1024 * 1024)) min_files=4000
  mkdir -p payload
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
    { echo "bench: only $files files, $bytes bytes found on this machine" >&2; exit 1; }
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
}

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
