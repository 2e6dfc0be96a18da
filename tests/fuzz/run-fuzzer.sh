#!/usr/bin/env bash
# Runs one libFuzzer target for a bounded time (FUZZ_SECONDS, default 60).
# New inputs go to WORK_DIR; the committed seeds are only read. Any crash,
# hang (10 s per input), leak or use of more than 2 GiB fails the run, and
# the input that caused it is left in WORK_DIR.
# Usage: run-fuzzer.sh FUZZER SEED_DIR WORK_DIR MAX_LEN
set -eu
fuzzer=$1 seeds=$2 work=$3 max_len=$4
mkdir -p "$work/corpus" "$work/artifacts"
exec "$fuzzer" -max_total_time="${FUZZ_SECONDS:-60}" -max_len="$max_len" -rss_limit_mb=2048 -timeout=10 \
  -artifact_prefix="$work/artifacts/" -print_final_stats=1 "$work/corpus" "$seeds"
