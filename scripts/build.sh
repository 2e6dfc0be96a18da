#!/usr/bin/env bash
# Builds everything (Linux tools and the 64-bit and 32-bit Windows
# programs), builds the example installer (examples/hello) with the Linux
# builder and runs the 64-bit one under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake --preset native
cmake --build --preset native
for preset in windows windows-x86; do
  cmake --preset $preset
  cmake --build --preset $preset
done

ex=build/windows/examples
tool=build/native/apps/xsetup-build/xsetup-build
out=build/example
mkdir -p "$out"
for lang in de fr; do "$tool" lang "src/lang/words/$lang.words" -o "$out/$lang.xlg"; done
# A ready installer: the package appended to the 64-bit stub setup.exe of
# the stub folder that both Windows builds fill.
"$tool" setup "$ex/hello.xss" -o "$out/setup.exe" --stubs build/stubs --lang "$out/de.xlg" --lang "$out/fr.xlg"
"$tool" verify "$out/setup.exe"
echo "example installer: $out/setup.exe"

env_dir="$PWD/build/run-wine"
tests/wine/wine-env.sh start "$env_dir"
trap 'tests/wine/wine-env.sh stop "$env_dir"' EXIT
set +e
tests/wine/wine-run.sh "$env_dir" "$out/setup.exe" "$@"
rc=$?
set -e
echo "setup.exe exited with code $rc"
exit $rc
