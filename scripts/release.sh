#!/usr/bin/env bash
# Builds the three trees optimised (the Linux builder, the 64-bit and the
# 32-bit Windows programs) and installs them together into one prefix:
#   PREFIX/bin/xsetup-build
#   PREFIX/share/xsetup/x64/{setup,uninst}.exe
#   PREFIX/share/xsetup/x86/{setup,uninst}.exe
#   PREFIX/share/xsetup/lang/*.xlg
# Usage: scripts/release.sh PREFIX [-j N]
set -euo pipefail
prefix=${1:?usage: scripts/release.sh PREFIX [-j N]}
shift
cd "$(dirname "$0")/.."
for preset in release release-windows release-windows-x86; do
  cmake --preset $preset
  cmake --build --preset $preset "$@"
  cmake --install "build/$preset" --prefix "$prefix"
done
"$prefix/bin/xsetup-build" --version
echo "installed into $prefix"
