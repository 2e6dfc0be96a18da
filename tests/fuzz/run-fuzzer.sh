#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time (FUZZ_SECONDS, default 60).
# New inputs go to WORK_DIR; the committed seeds are only read. Any crash,
# hang (10 s per input), leak or use of more than 2 GiB fails the run, and
# the input that caused it is left in WORK_DIR.
# Usage: run-fuzzer.sh FUZZER SEED_DIR WORK_DIR MAX_LEN
set -eu
fuzzer=$1 seeds=$2 work=$3 max_len=$4
mkdir -p "$work/corpus" "$work/artifacts"
# ASan's default 256 MiB quarantine of freed memory makes every block a
# fresh page; the filer targets allocate zlib buffers per item and ran at
# half speed with it. 16 MiB still catches a use shortly after a free.
export ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=16}
exec "$fuzzer" -max_total_time="${FUZZ_SECONDS:-60}" -max_len="$max_len" -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$work/artifacts/" -print_final_stats=1 "$work/corpus" "$seeds"
