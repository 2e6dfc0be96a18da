#!/usr/bin/env bash
# Runs the whole test suite: the native unit tests under AddressSanitizer and
# UBSan, then the 64-bit and the 32-bit Windows builds' tests under Wine
# (headless; the 32-bit ones report themselves skipped where the machine
# runs no 32-bit programs), then each fuzz target for about a minute
# (FUZZ_SECONDS to change).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc)
cmake --preset native
cmake --build --preset native -j "$jobs"
for preset in windows windows-x86; do
  cmake --preset $preset
  cmake --build --preset $preset -j "$jobs"
done
cmake --preset fuzz
cmake --build --preset fuzz -j "$jobs"

status=0
ctest --preset native -j "$jobs" || status=1
ctest --preset windows || status=1
ctest --preset windows-x86 || status=1
ctest --preset fuzz || status=1
exit $status
