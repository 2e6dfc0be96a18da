#!/usr/bin/env bash
# Runs every fuzz target for a number of executions and prints, per target,
# the executions done, the crashes, time-outs and out-of-memory results
# found, and the time taken. Builds the fuzz preset first when needed.
#
# One libFuzzer process per target, seeded from tests/fuzz/corpus/<target>,
# growing its own corpus in WORK_DIR/<target>/corpus. libFuzzer stops at its
# first finding, so a target that finds one is started again (keeping its
# corpus) until the executions are done; each finding is one artifact file
# (crash-*, timeout-*, oom-*, leak-* counted with the crashes) in
# WORK_DIR/<target>/artifacts.
#
# Usage: bench/fuzz.sh [RUNS] [TARGET...]
#   RUNS      executions per target (default 10000000)
#   TARGET    the targets to run (default: all)
# Environment: GLIBC_TUNABLES (default: the heap is kept between runs), PRESET, the build the targets come from (default fuzz, with
# AddressSanitizer and UBSan; fuzz-ubsan runs several times faster with UBSan
# alone, for long runs), WORK_DIR (default build/<preset>/bench), TIMEOUT seconds per
# input (default 10), RSS_LIMIT_MB (default 2048), ASAN_OPTIONS (default as
# tests/fuzz/run-fuzzer.sh gives it), MAX_RESTARTS (default 100): how often a
# target that keeps finding something is started again.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
runs=${1:-10000000}
shift || true
preset=${PRESET:-fuzz}
build=$root/build/$preset
work=${WORK_DIR:-$build/bench}
timeout=${TIMEOUT:-10}
rss=${RSS_LIMIT_MB:-2048}
# Stops a target that keeps finding something at once instead of running.
max_restarts=${MAX_RESTARTS:-100}
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}
# Without AddressSanitizer the C library's allocator gives the heap back to
# the system after every run and takes it again in the next; most of a run
# then goes to the kernel. Keeping it doubles the speed.
export GLIBC_TUNABLES=${GLIBC_TUNABLES:-glibc.malloc.trim_threshold=1073741824:glibc.malloc.top_pad=67108864}

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for dir in "$root"/tests/fuzz/corpus/*/; do targets+=("$(basename "$dir")"); done
fi

[ -f "$build/build.ninja" ] || (cd "$root" && cmake --preset "$preset") > /dev/null
(cd "$root" && cmake --build --preset "$preset") > /dev/null

# The max_len each target runs with, as its ctest test gives it.
max_len_of() {
  sed -n "s/^xs_fuzz_target($1 \([0-9]*\) .*/\1/p" "$root/tests/fuzz/CMakeLists.txt"
}

printf '%-14s %12s %8s %9s %5s %9s %8s\n' target executions crashes time-outs oom seconds exec/s
for t in "${targets[@]}"; do
  fuzzer=$build/tests/fuzz/${t}_fuzzer
  [ -x "$fuzzer" ] || { echo "no fuzzer $t" >&2; exit 2; }
  dir=$work/$t
  rm -rf "$dir/artifacts" "$dir"/log.*
  mkdir -p "$dir/corpus" "$dir/artifacts"
  done_runs=0 restarts=0 start=$(date +%s.%N)
  artifacts() { find "$dir/artifacts" -type f | wc -l; }
  while [ "$done_runs" -lt "$runs" ] && [ "$restarts" -le "$max_restarts" ]; do
    before=$(artifacts)
    "$fuzzer" -runs=$((runs - done_runs)) -max_len="$(max_len_of "$t")" -timeout="$timeout" \
      -rss_limit_mb="$rss" -artifact_prefix="$dir/artifacts/" -print_final_stats=1 \
      "$dir/corpus" "$root/tests/fuzz/corpus/$t" > "$dir/log.$restarts" 2>&1 || true
    # libFuzzer prints its statistics at the end and on a finding; without
    # them the last status line says how far it got.
    n=$(sed -n 's/^stat::number_of_executed_units: *//p' "$dir/log.$restarts" | tail -1)
    [ -n "$n" ] || n=$(grep -o '^#[0-9]*' "$dir/log.$restarts" | tail -1 | tr -d '#')
    done_runs=$((done_runs + ${n:-0}))
    restarts=$((restarts + 1))
    [ "$(artifacts)" -gt "$before" ] || break
  done
  seconds=$(echo "$(date +%s.%N) - $start" | bc)
  count() { find "$dir/artifacts" -name "$1-*" | wc -l; }
  crashes=$(($(count crash) + $(count leak) + $(count deadly)))
  printf '%-14s %12d %8d %9d %5d %9.1f %8.0f\n' "$t" "$done_runs" "$crashes" "$(count timeout)" "$(count oom)" \
    "$seconds" "$(echo "$done_runs / $seconds" | bc -l)"
done
