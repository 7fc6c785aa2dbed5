#!/usr/bin/env bash
# Screensaver runs with music, one per kind of file: the host and its music outlive the
# renderer's window showing, Esc ends both, and Wine's MCI and sound traces show the
# player's commands in order. With a screen size: three WAV runs on a screen that large.
# Usage: music_trace_test.sh BUILD_DIR SCRATCH_DIR [WIDTHxHEIGHT]
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
e2e_setup "$1" "${3:-}"
e2e_install music "$2"
cd "$2"
stopped=(-e "pszSound='0000000000000000'" -e 'close MP3Play')
# The WAV plays looping by itself: SND_FILENAME 0x20000 | SND_LOOP 8 | SND_NODEFAULT 2 | SND_ASYNC 1.
wav=('fdwSound=0002000B' 'SoundName=L"C:\\wavorin_e2e\\music\\tone.wav"' "pszSound='0000000000000000'")
# The 3-second MP3 reaches its end and starts again from the beginning.
mp3=('open \"C:\\wavorin_e2e\\music\\tone.mp3\" type MPEGVideo Alias MP3Play' 'play MP3Play'
  'status MP3Play mode' 'stop MP3Play' 'play MP3Play from 0' 'stop MP3Play' 'close MP3Play')

# Wine 8 can crash (SIGSEGV: status 139) tearing a process down while winmm's sound thread is
# still exiting, after the host has stopped and closed its sound. Only then is 139 Wine's.
wine_teardown_crashed() {
  awk '/pszSound=.0000000000000000/ { stopped = 1 } stopped && /waveOutClose/ { closed = 1 } END { exit !closed }' "$trace" &&
    echo "$1: Wine crashed tearing the ended host down"
}

# [hold=SECONDS] run_with FILE NAME PLAYING EXPECTED...: a /s run playing FILE, held SECONDS
# (2 unless told) after its window shows, ended by Esc once the trace shows PLAYING; the trace
# must hold the EXPECTED texts in order.
run_with() {
  local window rest text name=$2 playing=$3
  trace=$name.trace
  printf '[Section]\r\nBGM\x8b\xe6\x95\xaa=2\r\nBGM\xcc\xa7\xb2\xd9=C:\\wavorin_e2e\\music\\%s\r\n' "$1" \
    > "$drive_c/vetsu_temp/Wavorin.ini"
  WINEDEBUG=+mci,+winmm start 'C:\wavorin_e2e\music\Wavorin.scr' /s
  window=$(wait_until 1200 shown) || true
  [ -n "$window" ] || fail "$name: the host ended before the renderer's window showed"
  # The host looks for the renderer's window twice a second and gives it 30 s to show: the
  # music outlasts a few looks and, held longer, that grace.
  sleep "${hold:-2}"
  grep -q "${stopped[@]}" "$trace" && fail "$name: the music stopped before Esc"
  wait_until 300 grep -qF "$playing" "$trace" || fail "$name: no \"$playing\" while running"
  # A WAV goes on after the window showed: the sound device is fed again, and nothing stopped it.
  if [[ $1 == *.wav ]]; then
    fed=$(grep -c waveOutWrite "$trace" || true)
    wait_until 300 eval '[ "$(grep -c waveOutWrite "$trace")" -gt $((fed + 2)) ]' || fail "$name: the sound was not fed after the window showed"
    grep -q "${stopped[@]}" "$trace" && fail "$name: the music stopped after the window showed"
  fi
  end_with_esc "$name"
  end_renderers
  rest=$(cat "$trace")
  for text in "${@:4}"; do
    [[ "$rest" == *"$text"* ]] || { fail "$name: no \"$text\" (in order)"; return; }
    rest=${rest#*"$text"}
  done
  [[ $1 == *.mp3 ]] || ! grep -q MP3Play "$trace" || fail "$name: MP3 commands sent"
}

if [ -n "${3:-}" ]; then
  for run in 1 2 3; do run_with tone.wav "wav$run" "${wav[1]}" "${wav[@]}"; done
else
  hold=32 run_with tone.mp3 mp3 'play MP3Play from 0' "${mp3[@]}"
  # The WAV run also keeps the start-up trace the benchmark reads: every step of both programs.
  WAVORIN_STARTUP_TRACE='C:\wavorin_e2e\music\startup.txt' run_with tone.wav wav "${wav[1]}" "${wav[@]}"
  steps=$(tr -d '\r' < "$drive_c/wavorin_e2e/music/startup.txt" | cut -d' ' -f2-) || true
  for step in 'host start' 'host run window' 'host pause' 'host renderer started' 'host capture' \
    'host desktop snapshot written' 'host ring snapshot written' 'renderer start' 'renderer window shown' \
    'renderer pixel format' 'renderer context' 'renderer file read' 'renderer levels made' \
    'renderer level 0 uploaded' 'renderer smaller levels uploaded' 'renderer ring texture' \
    'renderer desktop texture' 'renderer display lists' 'renderer first frame drawn' 'renderer first swap'; do
    grep -qx "$step" <<<"$steps" || fail "start-up trace: no \"$step\""
  done
fi
e2e_finish "music runs traced as expected"
