#!/usr/bin/env bash
# Runs the whole test suite: the native unit tests under AddressSanitizer and
# UBSan, then the Windows build's tests under Wine (headless), then each
# fuzz target for about a minute (FUZZ_SECONDS to change).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
cmake --preset native
cmake --build --preset native -j "$jobs"
cmake --preset windows
cmake --build --preset windows -j "$jobs"
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"

status=0
ctest --preset native -j "$jobs" || status=1
ctest --preset windows || status=1
ctest --preset fuzz || status=1
exit $status
