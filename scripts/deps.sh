#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, when missing.
# The 32-bit Windows programs run under wine32, which comes from Debian's
# i386 architecture: that architecture is added first when it is not there.
set -euo pipefail
packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev googletest zlib1g-dev libdeflate-dev libpng-dev libjpeg-dev
  g++-mingw-w64-x86-64 g++-mingw-w64-i686 libz-mingw-w64-dev
  wine wine64 wine32:i386 xvfb xauth icoutils imagemagick fonts-wine
  osslsigncode openssl
  clang libclang-rt-14-dev
)
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
updated=false
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
  $sudo apt-get update -q
  updated=true
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  $updated || $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
