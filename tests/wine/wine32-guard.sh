#!/usr/bin/env bash
# Runs a test of the 32-bit programs, or reports it skipped (exit code 77,
# the tests' SKIP_RETURN_CODE) with the reason where wine-env.sh found that
# this machine cannot run 32-bit programs (e.g. a kernel without 32-bit
# support: "Exec format error"). Usage: wine32-guard.sh DIR COMMAND [ARGS...]
set -u
dir=${1:?usage: wine32-guard.sh DIR COMMAND [ARGS...]}
shift
if [ -f "$dir/no-wine32" ]; then
  echo "skipped: $(cat "$dir/no-wine32")"
  exit 77
fi
exec "$@"
