#!/usr/bin/env bash
# Screensaver runs with music, one per kind of file: each run starts and ends cleanly, and
# Wine's own MCI and sound traces show the commands the music player sent.
# Usage: music_trace_test.sh BUILD_DIR SCRATCH_DIR [WIDTHxHEIGHT]
# With a screen size: three WAV runs in a row on a screen of that size, where capturing and
# writing the desktop takes well over one renderer watch period.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../shell_test_setup.sh"
screen=${3:-}
if [ -n "$screen" ]; then
  # A screen of its own needs a Wine server of its own, so a prefix of its own:
  # e2e_setup keeps the prefix in BUILD_DIR/wine and takes the programs from BUILD_DIR/bin.
  . "$here/../../../scripts/lib/wine-env.sh"
  unset DISPLAY
  display_ensure "$screen"
  mkdir -p "$1/large-screen"
  ln -sfn "$(cd "$1" && pwd)/bin" "$1/large-screen/bin"
  own_xvfb=$XVFB_PID  # e2e_setup sources wine-env.sh again, which forgets it
  e2e_setup "$1/large-screen" "$2" music
  XVFB_PID=$own_xvfb
  wine_server_start
  trap 'wine_server_stop; display_stop' EXIT
else
  e2e_setup "$1" "$2" music
fi

# What the trace shows when the music stops: a null sound, or the MP3 device closed.
music_stopped=(-e "pszSound='0000000000000000'" -e 'close MP3Play')

# end_lone_renderer: a renderer the host left behind is ended as the user would, with Esc.
end_lone_renderer() {
  local window
  window=$(renderer_window 900) && xdotool windowfocus --sync "$window" key Escape
  for _ in $(seq 300); do xdotool search --name '^Zelvane_VC$' >/dev/null 2>&1 || break; sleep 0.1; done
}

# run_with FILE [NAME]: a /s run with music source 2 and that file, ended by Esc after a few
# seconds; the trace is left in $scratch/NAME.trace (NAME defaults to FILE). The host and its
# music must still be there when the renderer's window shows, and Esc must end both.
run_with() {
  local name=${2:-$1} trace=$scratch/${2:-$1}.trace window= host
  # The settings file as the dialog writes it: section and keys in code page 932.
  printf '[Section]\r\nBGM\x8b\xe6\x95\xaa=2\r\nBGM\xcc\xa7\xb2\xd9=C:\\wavorin_e2e\\music\\%s\r\n' "$1" \
    > "$drive_c/vetsu_temp/Wavorin.ini"
  WINEDEBUG=+mci,+winmm wine_run 'C:\wavorin_e2e\music\Wavorin.scr' /s >/dev/null 2>"$trace" &
  host=$!
  # A large screen takes the renderer many seconds to show.
  window=$(renderer_window 900 "$host") || true
  if [ -z "$window" ]; then
    fail "$name: the host ended before the renderer's window showed"
    end_lone_renderer
    wait "$host" || true
    return
  fi
  grep -q "${music_stopped[@]}" "$trace" && fail "$name: the music stopped before Esc"
  sleep 2.5  # a few ticks of the music timers
  xdotool windowfocus --sync "$window" key Escape
  # The renderer may take a while over its last frame on a large screen.
  for _ in $(seq 300); do kill -0 "$host" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$host" 2>/dev/null; then
    fail "$name: the host did not end after Esc"
    kill "$host"
  fi
  wait "$host" || fail "$name: the host's exit code was $?"
  grep -q "${music_stopped[@]}" "$trace" || fail "$name: the music did not stop at the end"
}

# expect_in_order TRACE TEXT...: each text appears in the trace after the one before.
expect_in_order() {
  local trace=$1 rest
  shift
  rest=$(cat "$trace")
  for text in "$@"; do
    if [[ "$rest" != *"$text"* ]]; then
      fail "$(basename "$trace"): no \"$text\" (in order)"
      return
    fi
    rest=${rest#*"$text"}
  done
}

if [ -n "$screen" ]; then
  for run in 1 2 3; do
    run_with tone.wav "tone.wav.$run"
    expect_in_order "$scratch/tone.wav.$run.trace" 'SoundName=L"C:\\wavorin_e2e\\music\\tone.wav"' \
      "pszSound='0000000000000000'"
  done
  e2e_finish "three WAV runs on a $screen screen outlived the renderer's start and ended with Esc"
fi

run_with tone.mp3
expect_in_order "$scratch/tone.mp3.trace" \
  'open \"C:\\wavorin_e2e\\music\\tone.mp3\" type MPEGVideo Alias MP3Play' \
  'play MP3Play' 'status MP3Play mode' 'stop MP3Play' 'close MP3Play'

run_with tone.wav
expect_in_order "$scratch/tone.wav.trace" 'tone.wav'
grep -q 'MP3Play' "$scratch/tone.wav.trace" && fail "tone.wav: MP3 commands sent"

e2e_finish "music runs traced as expected"
