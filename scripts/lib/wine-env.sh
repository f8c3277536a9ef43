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
  # Kept prefixes made before the font replacements get them too.
  grep -qF 'Fonts\\Replacements' "$WINEPREFIX/user.reg" 2>/dev/null || wine_env_japanese_fonts
  wineserver -p || true  # exits 2 even when it has started the server
  # Start Wine's service processes now: they outlive the programs under the persistent server, and if a
  # test started them they would hold its output pipes open and ctest would wait for them.
  wine cmd /c exit </dev/null >/dev/null 2>&1
}

# The saver's dialog asks for the Japanese system's faces by name; the installed IPA fonts stand in for
# them, so its texts render in the test screenshots.
wine_env_japanese_fonts() {
  local reg="$WINEPREFIX/japanese-fonts.reg"
  # Full-width "MS", full-width "P" and "Gothic" in katakana, as UTF-8 bytes.
  local ms=$'\xEF\xBC\xAD\xEF\xBC\xB3' p=$'\xEF\xBC\xB0' gothic=$'\xE3\x82\xB4\xE3\x82\xB7\xE3\x83\x83\xE3\x82\xAF'
  {
    printf '\xFF\xFE'
    {
      printf 'Windows Registry Editor Version 5.00\r\n\r\n'
      printf '[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]\r\n'
      printf '"%s %s%s"="IPAPGothic"\r\n' "$ms" "$p" "$gothic"
      printf '"%s %s"="IPAGothic"\r\n' "$ms" "$gothic"
      printf '"MS PGothic"="IPAPGothic"\r\n"MS Gothic"="IPAGothic"\r\n'
    } | iconv -f UTF-8 -t UTF-16LE
  } >"$reg"
  wine regedit /S "$reg" >/dev/null 2>&1 || true
  wineserver -w
}

wine_env_stop() {
  wineserver -k >/dev/null 2>&1 || true
  if [ -n "${ZANDREL_XVFB_PID:-}" ]; then
    kill "$ZANDREL_XVFB_PID" 2>/dev/null || true
    wait "$ZANDREL_XVFB_PID" 2>/dev/null || true
  fi
}
