#!/usr/bin/env bash
# uninst.exe under Wine, checked by exit codes, the files on disk and the
# system's reg tool:
#   - "/silent" without "/file:" exits 2;
#   - a missing log exits with the log error's code (25) and makes no copy;
#   - started from the folder its log removes, it restarts from a copy in a
#     new temporary folder; the copy removes the folder with the program in
#     it and the log, ends with 0 in the run log both write to, and removes
#     its own folder, or has it removed at the next restart (listed in
#     PendingFileRenameOperations).
# Usage: uninst_test.sh WORK WINE_DIR UNINST_EXE TEST_EXE
set -u
work=${1:?} wine_dir=${2:?} uninst=${3:?} tests=${4:?}
run="$(dirname "$0")/wine-run.sh $wine_dir"
drive_c="$wine_dir/prefix/drive_c"
rm -rf "$work" "$drive_c/xs-uninst"
mkdir -p "$work"
fail() { echo "FAIL: $*"; exit 1; }
# The temporary folders made like the program makes them, anywhere under the users' profiles.
temp_folders() { find "$drive_c/users" -maxdepth 8 -type d -name '~xs*.tmp' 2>/dev/null | sort; }

$run "$uninst" /silent; code=$?
[ "$code" = 2 ] || fail "/silent without /file: exited $code, not 2"

before=$(temp_folders)
$run "$uninst" /silent '/file:C:\xs-uninst\missing.xui'; code=$?
[ "$code" = 25 ] || fail "a missing log exited $code, not 25"
[ "$(temp_folders)" = "$before" ] || fail "a missing log made a copy"

XS_UNINST_TEST_DIR='C:\xs-uninst' $run "$tests" --gtest_filter=UninstallProgramOutside.DISABLED_WritesALog \
  --gtest_also_run_disabled_tests >"$work/log.txt" 2>&1 || { cat "$work/log.txt"; fail "could not write the log"; }
app="$drive_c/xs-uninst/App"
cp "$uninst" "$app/uninst.exe"
$run "$app/uninst.exe" /silent '/file:C:\xs-uninst\app.xui' '/log:C:\xs-uninst\run.log'; code=$?
[ "$code" = 0 ] || fail "the original exited $code, not 0 (copy started)"
run_log="$drive_c/xs-uninst/run.log"

# The copy runs on; it is done once its folder is gone or listed for the restart.
pending() {
  $run reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' /v PendingFileRenameOperations 2>/dev/null
}
for _ in $(seq 120); do
  if [ "$(grep -c ' end: ' "$run_log" 2>/dev/null)" -ge 2 ] && [ ! -e "$app" ] && [ ! -e "$drive_c/xs-uninst/app.xui" ]; then
    left=$(comm -13 <(echo "$before") <(temp_folders))
    [ -z "$left" ] && break
    listed=$(pending)
    all=yes
    for folder in $left; do grep -qF "$(basename "$folder")" <<<"$listed" || all=no; done
    [ "$all" = yes ] && break
  fi
  sleep 0.5
done
# Original and copy wrote to the run log; the copy's end line, the last, has the result.
[ "$(grep -c ' end: ' "$run_log")" = 2 ] || fail "not two end lines in the run log: $(cat "$run_log")"
tail -n 1 "$run_log" | tr -d '\r' | grep -q ' end: exit code 0$' || fail "the copy did not end with 0: $(cat "$run_log")"
[ ! -e "$app" ] || fail "the install folder is still there: $(ls -A "$app")"
[ ! -e "$drive_c/xs-uninst/app.xui" ] || fail "the log is still there"
left=$(comm -13 <(echo "$before") <(temp_folders))
if [ -n "$left" ]; then
  listed=$(pending)
  for folder in $left; do
    grep -qF "$(basename "$folder")" <<<"$listed" || fail "the copy's folder $folder stays and is not listed for the restart"
  done
  echo "the copy's folder is listed for deletion at the restart: $(basename "$left")"
else
  echo "the copy's folder is gone"
fi
echo ok
