#!/usr/bin/env bash
# Prints the renderer's figures under Wine and llvmpipe: frames per second at 1024 x 768 over 10 s and the
# CPU time per frame outside the GL driver, for the shader and the fixed-function path, and the time from
# process start to the window and to the first presented frame with a 1920 x 1080 desktop picture.
#   tools/renderer-timing/measure.sh [WINDOWS_BUILD_DIR]   (default build/windows; targets renderer_timing,
#                                                          timing_launcher and morvex built)
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$top/build/windows}" && pwd)
export ZANDREL_HEADLESS=1 ZANDREL_KEEP_PREFIX=1
. "$top/scripts/lib/wine-env.sh"
wine_env_start "$build"
trap wine_env_stop EXIT

work="$build/renderer-timing"
mkdir -p "$work"
rm -f "$work/start-up.txt"
# A busy 1920 x 1080 desktop picture, as a large screen's capture would be.
convert -size 1920x1080 -seed 7 plasma:fractal -type TrueColor "BMP3:$work/Zandrel1.bmp"
cp "$top/assets/light_spot.bmp" "$work/Zandrel2.bmp"
export ZANDREL_HANDOVER_DIR="Z:${work//\//\\}"
export ZANDREL_TIMING_SECONDS=10

launcher="$build/tools/renderer-timing/timing_launcher.exe"
program="$build/tools/renderer-timing/renderer_timing.exe"
hidden="-GL_ARB_shader_objects -GL_ARB_vertex_shader -GL_ARB_fragment_shader -GL_ARB_shading_language_100"
hidden="$hidden -GL_ARB_vertex_program -GL_ARB_fragment_program"

run() {
  local name=$1
  shift
  echo "== $name"
  # The shader files are found in the working folder, as beside the installed programs.
  (cd "$build/bin" && env "$@" wine "$launcher" "$program" "Z:${work//\//\\}\\$name.txt" 2>/dev/null) |
    tr -d '\r'
}

run shader
run fixed-function MESA_EXTENSION_OVERRIDE="$hidden"
# Start-up alone, several times (the first run after the prefix starts pays more); the medians at the end.
export ZANDREL_TIMING_SECONDS=0.5
runs=${ZANDREL_STARTUP_RUNS:-7}
for i in $(seq "$runs"); do
  run "start-up-$i" | grep -E '_ms ' | tee -a "$work/start-up.txt"
done
median() { grep "^$1 " "$work/start-up.txt" | awk '{print $2}' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
echo "== start-up medians over $runs runs (1920 x 1080 desktop picture)"
echo "window_ms $(median window_ms)"
echo "first_frame_ms $(median first_frame_ms)"
