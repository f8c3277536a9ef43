# Sourced by the scripts: sets up a Wine environment for one run.
#   wine_env_start BUILD_DIR [WIDTHxHEIGHTxDEPTH]  fresh prefix in BUILD_DIR/wineprefix, Xvfb when headless,
#                                                  one persistent wineserver
#   wine_env_stop                                  ends the wineserver and the Xvfb it started
# With $DISPLAY set and ZANDREL_HEADLESS unset the programs run on that display.

wine_env_start() {
  local build=$1 screen=${2:-1024x768x24}
  export WINEPREFIX="$build/wineprefix"
  export WINEDEBUG=${WINEDEBUG:--all}
  export WINEARCH=win64
  # No Mono or Gecko installer dialogs while the prefix is created.
  export WINEDLLOVERRIDES="mscoree=;mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
  ZANDREL_XVFB_PID=
  if [ -n "${ZANDREL_HEADLESS:-}" ] || [ -z "${DISPLAY:-}" ]; then
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
    ZANDREL_XVFB_PID=$!
    local number
    read -r number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$number"
  fi
  if [ -z "${ZANDREL_KEEP_PREFIX:-}" ] || [ ! -f "$WINEPREFIX/system.reg" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # Without a window manager Wine waits ~2 s for every managed window to be withdrawn.
    wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    wineserver -w
  fi
  wineserver -p || true  # exits 2 even when it has started the server
  # Start Wine's service processes now: they outlive the programs under the persistent server, and if a
  # test started them they would hold its output pipes open and ctest would wait for them.
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${ZANDREL_XVFB_PID:-}" ]; then
    kill "$ZANDREL_XVFB_PID" 2>/dev/null || true
    wait "$ZANDREL_XVFB_PID" 2>/dev/null || true
  fi
}
