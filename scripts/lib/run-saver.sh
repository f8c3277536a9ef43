#!/usr/bin/env bash
# Runs the screen saver itself under Wine, as Windows starts it: "Zandrel.scr /s" from the programs' folder,
# which captures the desktop, hands it to the renderer and ends when the renderer's window has gone.
# On a usable $DISPLAY it runs there until you press Escape. Headless (no display, or ZANDREL_HEADLESS set)
# it runs in Xvfb on a generated test desktop, saves screenshots under out/ and ends with Escape after
# ZANDREL_RUN_SECONDS (default 10).
# First it lays out dist/ with the four files that make the product and a short install note.
#   scripts/lib/run-saver.sh WINDOWS_BUILD_DIR   (zandrel, morvex and send_escape built there)
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
build=$(cd "${1:?usage: run-saver.sh WINDOWS_BUILD_DIR}" && pwd)
seconds=${ZANDREL_RUN_SECONDS:-10}
bin="$build/bin"
for file in Zandrel.scr Zandrel.dll lighting.shd sphere.shd; do
  [ -f "$bin/$file" ] || { echo "run-saver: $bin/$file is missing; build the Windows programs first" >&2; exit 1; }
done

# The product: one folder with the two programs and the two shader files.
dist="$top/dist"
rm -rf "$dist"
mkdir -p "$dist"
cp "$bin/Zandrel.scr" "$bin/Zandrel.dll" "$bin/lighting.shd" "$bin/sphere.shd" "$dist/"
cat >"$dist/INSTALL.txt" <<'NOTE'
Zandrel screen saver

Keep these four files together in one folder:
  Zandrel.scr   the screen saver
  Zandrel.dll   its renderer (a program, started by Zandrel.scr)
  lighting.shd  sphere.shd   the renderer's shader files

Install: right-click Zandrel.scr and choose "Install" (or copy the four files into C:\Windows\System32
and choose Zandrel in the screen-saver settings). "Settings" there chooses the background music.
Try it: right-click Zandrel.scr and choose "Test", or run "Zandrel.scr /s". Escape ends a run.
Uninstall: choose another screen saver and delete the four files.
NOTE
echo "dist: $dist (Zandrel.scr Zandrel.dll lighting.shd sphere.shd INSTALL.txt)"

headless=
{ [ -n "${ZANDREL_HEADLESS:-}" ] || [ -z "${DISPLAY:-}" ]; } && headless=1
[ -n "$headless" ] && export ZANDREL_HEADLESS=1

. "$top/scripts/lib/wine-env.sh"
ZANDREL_KEEP_PREFIX=1 wine_env_start "$build"
desktop=
viewer=
stop() {
  [ -n "$viewer" ] && kill "$viewer" 2>/dev/null
  wine_env_stop
  [ -n "$desktop" ] && rm -f "$desktop"
  return 0
}
trap stop EXIT

# The hand-over goes through the root of C: (or the temporary folder); nothing stale may reach the renderer.
unset ZANDREL_HANDOVER_DIR
rm -f "$WINEPREFIX/drive_c/Zandrel1.bmp" "$WINEPREFIX/drive_c/Zandrel2.bmp"

if [ -n "$headless" ]; then
  # A test desktop in a window that covers the screen: what the saver's screen copy finds (Wine's copy of
  # the screen does not see the root window's own picture, only the windows on it).
  mkdir -p "$top/out"
  desktop=$(mktemp --suffix=.png)
  geometry=$(xdpyinfo -display "$DISPLAY" 2>/dev/null | awk '/dimensions:/ {print $2}')
  convert -size "${geometry:-1024x768}" -seed 11 plasma:fractal -blur 0x2 \
    -fill none -stroke '#ffffff80' -draw "path 'M 0,384 L 1024,384 M 512,0 L 512,768'" \
    -stroke none -fill white -pointsize 48 -gravity northwest -annotate +40+30 'Zandrel test desktop' \
    "$desktop"
  display -display "$DISPLAY" -geometry +0+0 -borderwidth 0 "$desktop" &
  viewer=$!
  sleep 2
  import -display "$DISPLAY" -window root "$top/out/saver-desktop.png"
  echo "screenshot: out/saver-desktop.png"
fi

cd "$bin"
started=$(date +%s.%N)
wine ./Zandrel.scr /s &
pid=$!
if [ -n "$headless" ]; then
  last=0
  for at in 1 4 "$seconds"; do
    sleep "$((at - last))"
    last=$at
    import -display "$DISPLAY" -window root "$top/out/saver-run-${at}s.png"
    echo "screenshot: out/saver-run-${at}s.png"
    # The renderer's full-screen window is up by now; the test desktop has been copied.
    [ -n "$viewer" ] && kill "$viewer" 2>/dev/null && viewer=
  done
  wine "$build/tools/send-escape/send_escape.exe" || echo "run-saver: the renderer had already ended"
fi
status=0
wait "$pid" || status=$?
ended=$(date +%s.%N)
echo "saver exit code: $status after $(awk "BEGIN {printf \"%.1f\", $ended - $started}") s"
# The saver never stops the renderer; after Escape both are gone.
left=$(wine cmd /c tasklist 2>/dev/null | grep -ci 'zandrel' || true)
echo "processes left: $left"
exit "$status"
