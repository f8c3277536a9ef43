#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; quiet and quick when nothing is missing.
set -euo pipefail

packages=(
  # native toolchain, tests, benchmarks, fuzzing
  cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  # image libraries for the native build
  libjpeg62-turbo-dev libpng-dev zlib1g-dev
  # Windows cross-build: compilers, zlib, and what fetching and building Debian's sources needs
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 libz-mingw-w64-dev
  xz-utils
  # the small tools that draw the assets
  python3
  # running and looking at the Windows programs
  wine wine64 xvfb imagemagick
  # a Japanese font, so the settings dialog's texts render under Wine
  fonts-ipafont-gothic
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [ "$status" = "install ok installed" ] || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update -q >/dev/null
$sudo apt-get install -y -q "${missing[@]}" >/dev/null
