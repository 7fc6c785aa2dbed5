# Sourced by the end-to-end tests driven from the Linux side (xdotool, Wine's traces):
#   e2e_setup BUILD_DIR SCRATCH_DIR INSTALL_NAME
# prepares the build's Wine prefix and a display, makes tone.wav and tone.mp3 in the
# scratch folder (sox, lame), installs Wavorin.scr, Wavorin.dll and both tones in
# C:\wavorin_e2e\INSTALL_NAME, and sets build, scratch, drive_c and install. fail() counts
# failures; e2e_finish MESSAGE reports and gives the exit code.

e2e_setup() {
  build=$(cd "$1" && pwd)
  scratch=$2
  . "$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/scripts/lib/wine-env.sh"
  wine_env "$build"
  display_ensure 1280x1024
  trap display_stop EXIT

  mkdir -p "$scratch"
  sox -q -n -r 22050 -c 1 -b 16 "$scratch/tone.wav" synth 3 sine 440 vol 0.2
  lame --quiet "$scratch/tone.wav" "$scratch/tone.mp3"

  drive_c=$WINEPREFIX/drive_c
  install=$drive_c/wavorin_e2e/$3
  rm -rf "$install" && mkdir -p "$install" "$drive_c/vetsu_temp"
  cp "$build/bin/Wavorin.scr" "$build/bin/Wavorin.dll" "$scratch/tone.wav" "$scratch/tone.mp3" "$install/"
}

# renderer_window TENTHS [PID]: prints the renderer's window once it shows, waiting at most
# TENTHS tenths of a second, and no longer than process PID lives; fails if it never shows.
renderer_window() {
  local window
  for _ in $(seq "$1"); do
    window=$(xdotool search --onlyvisible --name '^Zelvane_VC$' 2>/dev/null | head -n1) &&
      [ -n "$window" ] && { echo "$window"; return 0; }
    [ -n "${2:-}" ] && ! kill -0 "$2" 2>/dev/null && return 1
    sleep 0.1
  done
  return 1
}

failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

e2e_finish() {
  [ $failures = 0 ] && echo "$1"
  exit $((failures > 0))
}
