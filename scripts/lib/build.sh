# Sourced: configures and builds the project's configurations under build/.
#   build_native DIR [cmake options...]
#   build_windows   (cross-builds libjpeg/libpng once into build/windows-deps, then build/windows)

zandrel_top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
zandrel_jobs=$(nproc)

build_native() {
  local dir=$1
  shift
  cmake -S "$zandrel_top" -B "$dir" -G "Unix Makefiles" "$@" >"$dir.configure.log" 2>&1 ||
    { cat "$dir.configure.log"; return 1; }
  cmake --build "$dir" -j "$zandrel_jobs" >"$dir.build.log" 2>&1 ||
    { grep -E -B2 -A12 'error|Error' "$dir.build.log" | head -120; return 1; }
  echo "built $dir"
}

build_windows() {
  local dir="$zandrel_top/build/windows"
  "$zandrel_top/scripts/lib/cross-deps.sh" "$zandrel_top/build/windows-deps"
  mkdir -p "$dir"
  build_native "$dir" -DCMAKE_TOOLCHAIN_FILE="$zandrel_top/cmake/mingw-w64-x86_64.cmake" \
    -DZANDREL_DEPS_PREFIX="$zandrel_top/build/windows-deps" \
    -DCMAKE_CROSSCOMPILING_EMULATOR="$zandrel_top/scripts/lib/wine-run"
}
