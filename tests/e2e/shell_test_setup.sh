# Sourced by the end-to-end tests driven from the Linux side (xdotool, Wine's traces).
# e2e_setup BUILD_DIR [WIDTHxHEIGHT | two-monitors[-left]]: the build's Wine prefix and the
# caller's display (one of 1280 x 1024 if none); with a screen size, a prefix, Wine server and
# X server of their own of that size; with two-monitors, the same for two monitors
# (nest_two_monitors), the second right of the primary or, with -left, left of it.
# Sets build and drive_c; what was started is ended on exit.
e2e_setup() {
  build=$(cd "$1" && pwd) own=${2:-} started=() failures=0 nested=
  . "$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/lib/wine-env.sh"
  trap 'for pid in "${started[@]}"; do stop "$pid"; done; end_renderers; [ -z "$own" ] || wine_server_stop; [ -z "$nested" ] || stop "$nested"; display_stop' EXIT
  [ -z "$own" ] || unset DISPLAY
  case $own in
    two-monitors*)
      display_ensure 2080x1024
      nest_two_monitors "${own#two-monitors}"
      wine_env "$build/two-monitors"
      # Wine takes the first head for the primary unless told which; a server that reg
      # starts ends before ours.
      wine_run reg add 'HKCU\Software\Wine\X11 Driver' /v PrimaryMonitor /d "$primary_head" /f \
        </dev/null >/dev/null 2>&1
      "$WINESERVER" -w ;;
    *)
      display_ensure "${own:-1280x1024}"
      wine_env "$build${own:+/large-screen}" ;;
  esac
  [ -z "$own" ] || wine_server_start
  drive_c=$WINEPREFIX/drive_c
}
# nest_two_monitors [-left | -above]: Xephyr inside the display, two heads side by side under
# Xinerama, a primary of 1280 x 1024 and a second monitor of 800 x 600 right of it (left with
# -left; Wine then puts it at x = -800). Wine takes the monitors from Xinerama when there is
# no RandR (Xvfb's own screens would all lie at the origin). Xephyr lays its heads in a row
# whatever offsets it is given, so -above (Wine: y = -600) runs Xorg with two dummy screens
# instead. DISPLAY becomes the server's; nested is its process, primary_head the primary's
# head number.
nest_two_monitors() {
  local fd_file number heads=(-screen 1280x1024+0+0 -screen 800x600+1280+0)
  primary_head=0
  [ "${1:-}" != -left ] || heads=(-screen 800x600+0+0 -screen 1280x1024+800+0) primary_head=1
  fd_file=$(mktemp)
  if [ "${1:-}" = -above ]; then
    dummy_two_monitors_above "$fd_file"
  else
    Xephyr -displayfd 3 "${heads[@]}" +xinerama -extension RANDR -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
  fi
  nested=$!
  wait_until 300 test -s "$fd_file" || { echo "the X server of two monitors did not start within 30 s" >&2; return 1; }
  number=$(head -n1 "$fd_file") && rm -f "$fd_file"
  export DISPLAY=":$number"
}
# dummy_two_monitors_above FD_FILE: in the background, Xorg with its dummy driver: a screen of
# 800 x 600 at the top and one of 1280 x 1024 below it under Xinerama; its display number goes
# to FD_FILE. Its configuration and log are kept in the build's folder two-monitors-above.
dummy_two_monitors_above() {
  local dir=$build/two-monitors-above head
  mkdir -p "$dir"
  {
    printf 'Section "ServerFlags"\n Option "Xinerama" "on"\n Option "AutoAddDevices" "false"\n'
    printf ' Option "DisableVidModeExtension" "true"\nEndSection\n'  # Wine 8 sees one monitor with it
    printf 'Section "Monitor"\n Identifier "M"\n HorizSync 5 - 1000\n VertRefresh 5 - 200\n'
    printf ' Modeline "1280x1024" 108 1280 1328 1440 1688 1024 1025 1028 1066\n'
    printf ' Modeline "800x600" 40 800 840 968 1056 600 601 605 628\nEndSection\n'
    for head in 0:1280x1024 1:800x600; do
      printf 'Section "Device"\n Identifier "D%s"\n Driver "dummy"\n VideoRam 16384\nEndSection\n' "${head%:*}"
      printf 'Section "Screen"\n Identifier "S%s"\n Device "D%s"\n Monitor "M"\n' "${head%:*}" "${head%:*}"
      printf ' SubSection "Display"\n  Depth 24\n  Modes "%s"\n EndSubSection\nEndSection\n' "${head#*:}"
    done
    printf 'Section "ServerLayout"\n Identifier "L"\n Screen 0 "S0" 0 600\n Screen 1 "S1" 0 0\nEndSection\n'
  } >"$dir/xorg.conf"
  Xorg -displayfd 3 -config "$dir/xorg.conf" -configdir "$dir" -logfile "$dir/xorg.log" -noreset -nolisten tcp \
    3>"$1" >/dev/null 2>&1 &
}
stop() { pkill -P "$1" 2>/dev/null || true; kill "$1" 2>/dev/null || true; }
end_renderers() { for w in $(xdotool search --name '^Zelvane_VC$' 2>/dev/null); do stop "$(xdotool getwindowpid "$w")"; done; }
# e2e_install NAME SCRATCH [FILE...]: Wavorin.scr, Wavorin.dll, tone.wav and tone.mp3 (made
# in SCRATCH) and the files, in C:\wavorin_e2e\NAME.
e2e_install() {
  mkdir -p "$2" "$drive_c/vetsu_temp"
  sox -q -n -r 22050 -c 1 -b 16 "$2/tone.wav" synth 3 sine 440 vol 0.2
  lame --quiet "$2/tone.wav" "$2/tone.mp3"
  rm -rf "$drive_c/wavorin_e2e/$1" && mkdir -p "$drive_c/wavorin_e2e/$1"
  cp "$build/bin/Wavorin.scr" "$build/bin/Wavorin.dll" "$2/tone.wav" "$2/tone.mp3" "${@:3}" "$drive_c/wavorin_e2e/$1/"
}
# start PROGRAM ARGS...: in the background, standard error into $trace if set; its id in host.
start() { wine_run "$@" >/dev/null 2>"${trace:-/dev/null}" & host=$! && started+=("$host"); }
gone() { ! kill -0 "$1" 2>/dev/null; }
# wait_until TENTHS COMMAND...: until COMMAND succeeds, tried every tenth of a second.
wait_until() { for _ in $(seq "$1"); do "${@:2}" && return 0; sleep 0.1; done; return 1; }
window_named() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 | grep .; }
# shown: the renderer's window once it shows, or nothing once the host has ended.
shown() { gone "$host" || window_named '^Zelvane_VC$'; }
# end_with_esc WHAT: Esc to the renderer until the host has ended (an early key may come
# before the renderer has the keyboard); the host must end with exit code 0.
esc() { gone "$host" || { w=$(window_named '^Zelvane_VC$') && xdotool windowfocus --sync "$w" key Escape; false; }; }
end_with_esc() {
  wait_until 600 esc 2>/dev/null || { fail "$1: the host did not end after Esc"; stop "$host"; }
  local status=0
  wait "$host" || status=$?
  [ $status = 0 ] || { [ $status = 139 ] && wine_teardown_crashed "$1"; } || fail "$1: exit code $status"
}
# A test whose host plays sound says when a crash of Wine's own teardown can be told apart.
wine_teardown_crashed() { false; }
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
e2e_finish() { [ $failures = 0 ] && echo "$1"; exit $((failures > 0)); }
