#!/usr/bin/env bash
# xsetup-build dump and verify on packages written by make_sample_packages.
# Usage: inspect_test.sh WORK_DIR "MAKE_SAMPLE_PACKAGES..." "XSETUP_BUILD..."
# (each program given as a command, e.g. behind a Wine runner).
set -u
dir=$1
read -ra make_samples <<<"$2"
read -ra tool <<<"$3"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect NAME RC LAST_LINE -- ARGS...: runs the tool, checks exit code and
# last line of output; leaves the output in $out.
expect() {
  local name=$1 want_rc=$2 want_last=$3
  shift 4
  out=$("${tool[@]}" "$@" 2>"$dir/stderr")
  local rc=$?
  out=${out//$'\r'/}
  local last
  last=$(tail -n 1 <<<"$out")
  [ "$rc" -eq "$want_rc" ] || fail "$name: exit code $rc, expected $want_rc"
  [ -z "$want_last" ] || [ "$last" = "$want_last" ] || fail "$name: last line '$last', expected '$want_last'"
}
has() { grep -qF -- "$2" <<<"$out" || fail "$1: output lacks '$2'"; }

rm -rf "$dir" && mkdir -p "$dir"
"${make_samples[@]}" "$dir" || { echo "FAIL: make_sample_packages"; exit 1; }

expect "verify intact" 0 "ok" -- verify "$dir/sample.pkg"
expect "dump intact" 0 "" -- dump "$dir/sample.pkg"
has "dump intact" 'identity version 1 values 0 0 0 0 0 name ""'
has "dump intact" 'group 1 "Languages" data 8'
has "dump intact" '  header 0 kind 3 count 1'
has "dump intact" '    item 0 id 0 size 0 checksum 00000000'
has "dump intact" 'group 2 "Data" data 8'
has "dump intact" '  header 1 kind 4 count 3'
has "dump intact" "        ObjClassName = 'TXInstall'"
grep -q '^error' <<<"$out" && fail "dump intact: reports an error"

expect "verify behind a prefix" 0 "ok" -- verify --start 1000 "$dir/prefixed.bin"
expect "dump behind a prefix" 0 "" -- dump "$dir/prefixed.bin" --start 1000
has "dump behind a prefix" 'group 2 "Data" data 8'
expect "verify at the wrong start" 1 "error 12" -- verify "$dir/prefixed.bin"

expect "verify cut" 1 "error 17" -- verify "$dir/cut.pkg"
expect "dump cut" 1 "error 17" -- dump "$dir/cut.pkg"
has "dump cut" 'group 2 "Data" data 8'
has "dump cut" "        ObjClassName = 'TXInstall'"

expect "verify bad link" 1 "error 11" -- verify "$dir/badlink.pkg"
expect "dump bad link" 1 "error 11" -- dump "$dir/badlink.pkg"
has "dump bad link" 'group 1 "Languages" data 8'

expect "verify bad item" 1 "error 11" -- verify "$dir/baditem.pkg"
expect "dump bad item" 0 "" -- dump "$dir/baditem.pkg"

# A damaged record inside an intact chain: the load steps over it, but it is
# reported, not passed over in silence.
expect "verify bad header" 1 "error 14" -- verify "$dir/badheader.pkg"
expect "dump bad header" 1 "error 14" -- dump "$dir/badheader.pkg"
has "dump bad header" '  header 0 kind 3 count 3'

expect "verify missing file" 1 "error 3" -- verify "$dir/missing.pkg"
expect "no arguments" 2 "" --
expect "unknown command" 2 "" -- frobnicate "$dir/sample.pkg"
expect "no file" 2 "" -- dump
expect "two files" 2 "" -- verify "$dir/sample.pkg" "$dir/cut.pkg"
expect "start without number" 2 "" -- verify "$dir/sample.pkg" --start
expect "start not a number" 2 "" -- verify "$dir/sample.pkg" --start 12x
expect "negative start" 2 "" -- verify "$dir/sample.pkg" --start -5
expect "unknown option" 2 "" -- verify "$dir/sample.pkg" --fast
grep -q "usage: xsetup-build" "$dir/stderr" || fail "usage errors print the usage"

[ "$failures" -eq 0 ] && echo "all inspection checks passed"
exit $((failures > 0))
