# Sourced by the scripts that run Windows programs: a private Wine prefix inside a build
# tree, the Japanese locale (ANSI code page 932) and an X display.

WINE64=/usr/lib/wine/wine64
WINESERVER=/usr/lib/wine/wineserver64

# wine_env BUILD_DIR: exports the environment of that build tree's prefix, creating the
# prefix and the locale on first use.
wine_env() {
  mkdir -p "$1/wine"
  local wine_dir
  wine_dir=$(cd "$1/wine" && pwd)
  export WINEPREFIX="$wine_dir/prefix"
  export WINEARCH=win64
  export WINEDEBUG=${WINEDEBUG:--all}
  # No sound card here: ALSA's null device gives Wine one wave device that plays silently.
  export ALSA_CONFIG_PATH="$wine_dir/asound.conf"
  (
    flock 9
    if [ ! -f "$wine_dir/locale/ja_JP.UTF-8/LC_CTYPE" ]; then
      mkdir -p "$wine_dir/locale"
      # localedef warns (and exits 1) on harmless details of the locale's source; only a
      # locale that was not made stops us, with what localedef said.
      local said
      said=$(localedef -i ja_JP -f UTF-8 "$wine_dir/locale/ja_JP.UTF-8" 2>&1) || true
      if [ ! -f "$wine_dir/locale/ja_JP.UTF-8/LC_CTYPE" ]; then
        echo "wine-env: the Japanese locale (ja_JP.UTF-8) could not be made in $wine_dir/locale:" >&2
        echo "$said" >&2
        exit 1
      fi
    fi
    if [ ! -f "$ALSA_CONFIG_PATH" ]; then
      { cat /usr/share/alsa/alsa.conf 2>/dev/null; echo 'pcm.!default { type null }'; } \
        > "$ALSA_CONFIG_PATH"
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      WINEDLLOVERRIDES="mscoree,mshtml=" "$WINE64" wineboot -i >/dev/null 2>&1 </dev/null
      "$WINESERVER" -w
    fi
  ) 9>"$wine_dir/.lock" || return 1
  WINE_LOCPATH="$wine_dir/locale"
}

# wine_run PROGRAM [ARGS...]: runs a Windows program in the Japanese locale (code page 932).
# The locale goes to Wine alone, not to this shell.
wine_run() {
  env LOCPATH="$WINE_LOCPATH" LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8 "$WINE64" "$@"
}

# wine_server_start / wine_server_stop: one persistent server for a run of many programs,
# detached from our output so that callers reading our pipes are not held open by it.
# The system's own processes (services.exe and friends, and the desktop's explorer.exe)
# start with the first program that needs them and inherit its output: start them here,
# detached, or they hold a caller's pipe open.
wine_server_start() {
  "$WINESERVER" -p </dev/null >/dev/null 2>&1 || true
  wine_run wineboot </dev/null >/dev/null 2>&1 || true
  (wine_run explorer.exe /desktop </dev/null >/dev/null 2>&1 &)
  local _
  for _ in $(seq 600); do
    wine_desktop_running && return 0
    sleep 0.05
  done
  echo "Wine's desktop (explorer.exe) did not start within 30 s" >&2
  return 1
}
# Whether this prefix's desktop process runs (other prefixes may have theirs).
wine_desktop_running() {
  local pid
  for pid in $(pgrep -f 'explorer\.exe /desktop'); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}
wine_server_stop() { "$WINESERVER" -k >/dev/null 2>&1 || true; }

# wine_prefix_defaults: the prefix's settings the tests rely on, whatever a demo or an
# earlier run left: 100 % display scaling (96 dots per inch).
wine_prefix_defaults() {
  wine_run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 96 /f </dev/null >/dev/null 2>&1
}

# display_ensure WIDTHxHEIGHT: when there is no X display, starts Xvfb of that size and
# exports DISPLAY; XVFB_PID is set when we started one.
XVFB_PID=
display_ensure() {
  [ -n "${DISPLAY:-}" ] && return 0
  local size=${1:-1280x1024} fd_file
  fd_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  XVFB_PID=$!
  # A loaded machine can take seconds to start it; without a number there is no display.
  for _ in $(seq 600); do
    [ -s "$fd_file" ] && break
    sleep 0.05
  done
  local number
  number=$(head -n1 "$fd_file")
  rm -f "$fd_file"
  [ -n "$number" ] || { echo "Xvfb did not start within 30 s" >&2; display_stop; return 1; }
  export DISPLAY=":$number"
}

display_stop() {
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
  return 0
}
