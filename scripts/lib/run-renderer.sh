#!/usr/bin/env bash
# Runs the renderer for real under Wine, as the saver hands over to it: a desktop picture and the light spot
# as 24-bit bitmaps at C:\Zandrel1.bmp and C:\Zandrel2.bmp of the prefix, then bin/Zandrel.dll started from
# its own folder. On a usable $DISPLAY the picture is a screenshot of it and the run lasts until Escape;
# headless (no display, or ZANDREL_HEADLESS set) the picture is generated, the run happens in Xvfb with
# screenshots saved under out/, and it ends with Escape after ZANDREL_RUN_SECONDS (default 10).
#   scripts/lib/run-renderer.sh WINDOWS_BUILD_DIR   (morvex and send_escape built there)
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:?usage: run-renderer.sh WINDOWS_BUILD_DIR}" && pwd)
seconds=${ZANDREL_RUN_SECONDS:-10}
mkdir -p "$top/out"
picture=$(mktemp --suffix=.png)

headless=
{ [ -n "${ZANDREL_HEADLESS:-}" ] || [ -z "${DISPLAY:-}" ]; } && headless=1
# The real desktop, taken before anything of ours is on it.
if [ -z "$headless" ] && ! import -display "$DISPLAY" -window root "$picture" 2>/dev/null; then
  echo "run-renderer: $DISPLAY cannot be captured; running headless"
  headless=1
fi
if [ -n "$headless" ]; then
  export ZANDREL_HEADLESS=1
  # A test desktop: colour washes with a grid, and a caption, so the texture's orientation shows.
  convert -size 1024x768 -seed 11 plasma:fractal -blur 0x2 \
    -fill none -stroke '#ffffff80' -draw "path 'M 0,384 L 1024,384 M 512,0 L 512,768'" \
    -stroke none -fill white -pointsize 48 -gravity northwest -annotate +40+30 'Zandrel test desktop' \
    "$picture"
fi

. "$top/scripts/lib/wine-env.sh"
ZANDREL_KEEP_PREFIX=1 wine_env_start "$build"
stop() {
  wine_env_stop
  rm -f "$picture"
}
trap stop EXIT

drive_c="$WINEPREFIX/drive_c"
convert "$picture" -type TrueColor "BMP3:$drive_c/Zandrel1.bmp"
cp "$top/assets/light_spot.bmp" "$drive_c/Zandrel2.bmp"
unset ZANDREL_HANDOVER_DIR

# The shader files are looked up in the working folder: the programs' own folder, as the saver starts it.
cd "$build/bin"
wine ./Zandrel.dll &
pid=$!
if [ -n "$headless" ]; then
  for at in 1 4 "$seconds"; do
    sleep "$((at - ${last:-0}))"
    last=$at
    import -display "$DISPLAY" -window root "$top/out/run-${at}s.png"
    echo "screenshot: out/run-${at}s.png"
  done
  wine "$build/tools/send-escape/send_escape.exe" || echo "run-renderer: the renderer had already ended"
fi
status=0
wait "$pid" || status=$?
echo "renderer exit code: $status"
exit "$status"
