#!/usr/bin/env bash
# Screensaver runs with music, one per kind of file: each run starts and ends cleanly, and
# Wine's own MCI and sound traces show the commands the music player sent.
# Usage: music_trace_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
e2e_setup "$1" "$2" music

# run_with FILE: a /s run with music source 2 and that file, ended by Esc after a few
# seconds; the trace is left in $scratch/FILE.trace.
run_with() {
  local file=$1 trace=$scratch/$1.trace window= host
  # The settings file as the dialog writes it: section and keys in code page 932.
  printf '[Section]\r\nBGM\x8b\xe6\x95\xaa=2\r\nBGM\xcc\xa7\xb2\xd9=C:\\wavorin_e2e\\music\\%s\r\n' "$file" \
    > "$drive_c/vetsu_temp/Wavorin.ini"
  WINEDEBUG=+mci,+winmm wine_run 'C:\wavorin_e2e\music\Wavorin.scr' /s >/dev/null 2>"$trace" &
  host=$!
  for _ in $(seq 150); do
    window=$(xdotool search --name '^Zelvane_VC$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || fail "$file: no renderer window"
  sleep 2.5  # a few ticks of the music timers
  [ -n "$window" ] && xdotool windowfocus --sync "$window" key Escape
  for _ in $(seq 60); do kill -0 "$host" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$host" 2>/dev/null; then
    fail "$file: the host did not end after Esc"
    kill "$host"
  fi
  wait "$host" || fail "$file: the host's exit code was $?"
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

run_with tone.mp3
expect_in_order "$scratch/tone.mp3.trace" \
  'open \"C:\\wavorin_e2e\\music\\tone.mp3\" type MPEGVideo Alias MP3Play' \
  'play MP3Play' 'status MP3Play mode' 'stop MP3Play' 'close MP3Play'

run_with tone.wav
expect_in_order "$scratch/tone.wav.trace" 'tone.wav'
grep -q 'MP3Play' "$scratch/tone.wav.trace" && fail "tone.wav: MP3 commands sent"

e2e_finish "music runs traced as expected"
