#!/usr/bin/env bash
# Cross-builds libjpeg-turbo and libpng as static mingw-w64 libraries from Debian's own source packages.
# Usage: cross-deps.sh PREFIX
# The deb-src list is derived at run time from the machine's apt sources; the result is built once and
# reused while PREFIX/.done exists.
set -euo pipefail

prefix=$(realpath -m "$1")
[ -f "$prefix/.done" ] && exit 0

here=$(cd "$(dirname "$0")/../.." && pwd)
work="$prefix.work"
rm -rf "$work"
mkdir -p "$work/lists/partial" "$work/src" "$prefix"

# A private deb-src list copied from the machine's own sources.
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] || continue
  sed 's/^Types:.*/Types: deb-src/' "$f"
  echo
done >"$work/src.sources"
if [ -f /etc/apt/sources.list ]; then
  sed -n 's/^deb \(.*\)/deb-src \1/p' /etc/apt/sources.list >"$work/src.list"
else
  : >"$work/src.list"
fi
apt_opts=(-o "Dir::Etc::SourceList=$work/src.list" -o "Dir::Etc::SourceParts=$work/parts"
  -o "Dir::State::Lists=$work/lists" -o "APT::Sandbox::User=root" -q)
mkdir -p "$work/parts"
cp "$work/src.sources" "$work/parts/src.sources"
apt-get "${apt_opts[@]}" update >"$work/apt-update.log" 2>&1 || { cat "$work/apt-update.log"; exit 1; }
# The newest version first; a suite whose pool lacks it (seen with security updates) falls back to the
# release suites in the order the sources name them.
suites=$(sed -n 's/^Suites:\s*//p' "$work/src.sources" | tr ' ' '\n' | grep -v -- '-security$' | sort -u)
fetch() {
  local pkg=$1 suite
  (cd "$work/src" && apt-get "${apt_opts[@]}" source --download-only "$pkg") >>"$work/apt-source.log" 2>&1 && return 0
  for suite in $suites; do
    rm -f "$work/src/${pkg}"_*
    (cd "$work/src" && apt-get "${apt_opts[@]}" source --download-only "$pkg/$suite") >>"$work/apt-source.log" 2>&1 && return 0
  done
  cat "$work/apt-source.log"
  return 1
}
fetch libjpeg-turbo
fetch libpng1.6

unpack() { # NAME-GLOB: extract the upstream tarball (patches are Debian packaging only for these two)
  local tarball
  tarball=$(ls "$work/src/"$1_*.orig.tar.* | head -n 1)
  mkdir -p "$work/$1"
  tar -xf "$tarball" -C "$work/$1" --strip-components=1
}
unpack libjpeg-turbo
unpack libpng1.6

toolchain="$here/cmake/mingw-w64-x86_64.cmake"
common=(-G "Unix Makefiles" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_POLICY_DEFAULT_CMP0091=NEW)
jobs=$(nproc)

cmake -S "$work/libjpeg-turbo" -B "$work/build-jpeg" "${common[@]}" -DWITH_SIMD=OFF -DENABLE_SHARED=OFF \
  -DWITH_TURBOJPEG=OFF -DWITH_JPEG8=OFF >"$work/jpeg.log" 2>&1 || { cat "$work/jpeg.log"; exit 1; }
cmake --build "$work/build-jpeg" -j "$jobs" --target install >>"$work/jpeg.log" 2>&1 || { tail -50 "$work/jpeg.log"; exit 1; }

cmake -S "$work/libpng1.6" -B "$work/build-png" "${common[@]}" -DPNG_SHARED=OFF -DPNG_TESTS=OFF \
  -DPNG_EXECUTABLES=OFF -DZLIB_ROOT=/usr/x86_64-w64-mingw32 >"$work/png.log" 2>&1 || { cat "$work/png.log"; exit 1; }
cmake --build "$work/build-png" -j "$jobs" --target install >>"$work/png.log" 2>&1 || { tail -50 "$work/png.log"; exit 1; }

rm -rf "$work"
touch "$prefix/.done"
