#!/usr/bin/env bash
# Builds everything (Linux tools and the Windows programs) and runs setup.exe
# under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset native
cmake --build --preset native
cmake --preset windows
cmake --build --preset windows

env_dir="$PWD/build/run-wine"
tests/wine/wine-env.sh start "$env_dir"
trap 'tests/wine/wine-env.sh stop "$env_dir"' EXIT
set +e
tests/wine/wine-run.sh "$env_dir" build/windows/apps/setup/setup.exe "$@"
rc=$?
set -e
echo "setup.exe exited with code $rc"
exit $rc
