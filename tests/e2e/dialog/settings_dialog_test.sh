#!/usr/bin/env bash
# The settings dialog as a user meets it: clicks at the controls' places, text typed into the
# repeat box, a file picked in the real chooser, the keyboard alone; what "設定" stores, what
# "ｷｬﾝｾﾙ", Esc and the close request leave alone, a second /c, and the music the next /s run
# plays. Each step waits for what it needs (the window, the focus, the text in the box),
# read back through dialog_probe.exe, rather than for a fixed time.
# Usage: settings_dialog_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
e2e_setup "$1" "$2" dialog
ini=$drive_c/vetsu_temp/Wavorin.ini
# end JOB: a program this script started in the background ends, with the shell that
# started it (only while that shell is still this script's child).
end() {
  [ "$(ps -o ppid= -p "$1" 2>/dev/null | tr -d ' ')" = $$ ] || return 0
  pkill -TERM -P "$1" 2>/dev/null || true
  kill -TERM "$1" 2>/dev/null || true
}
# A failed step ends the script; whatever it started then ends too.
host= run=
end_started() {
  [ -z "$host" ] || end "$host"
  [ -z "$run" ] || end "$run"
  display_stop
}
trap end_started EXIT
cp "$build/tests/dialog_probe.exe" "$install/"

# The keys in code page 932, as they stand in the file.
key_kind=$'BGM\x8b\xe6\x95\xaa'
key_repeat=$'BGM\xd8\xcb\xdf\xb0\xc4'
key_file=$'BGM\xcc\xa7\xb2\xd9'

# value KEY: the key's value in the settings file ("" when missing).
value() { { grep -a "^$1=" "$ini" || true; } | head -n1 | cut -d= -f2- | tr -d '\r'; }

# probe WHAT: what the open dialog shows (see dialog_probe.cpp).
probe() { wine_run 'C:\wavorin_e2e\dialog\dialog_probe.exe' "$1" 2>/dev/null | tr -d '\r'; }
# wait_for WHAT EXPECTED: until the probe reads EXPECTED; a failure after half a minute.
wait_for() {
  local got=
  for _ in $(seq 150); do
    got=$(probe "$1") && [ "$got" = "$2" ] && return 0
    sleep 0.2
  done
  fail "$1 is '$got', expected '$2'"
  return 1
}
# wait_focus_on_a_control: the dialog is up and the keyboard reaches one of its controls.
wait_focus_on_a_control() {
  local got=
  for _ in $(seq 150); do
    got=$(probe focus) && case $got in '' | none | dialog) ;; *) return 0 ;; esac
    sleep 0.2
  done
  fail "no control has the focus ('$got')"
  return 1
}

dialog= left= top=
open_dialog() {
  wine_run 'C:\wavorin_e2e\dialog\Wavorin.scr' /c >/dev/null 2>&1 &
  host=$!
  dialog=
  for _ in $(seq 150); do
    # Only once shown: the window exists, hidden, while it loads.
    dialog=$(xdotool search --onlyvisible --name '^■Wavorin■$' 2>/dev/null | head -n1) && [ -n "$dialog" ] && break
    sleep 0.1
  done
  [ -n "$dialog" ] || { fail "no settings dialog"; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  left=$X top=$Y
  wait_focus_on_a_control
}

# click X Y: a left click at a point of the dialog's client area (96 DPI layout).
click() { xdotool mousemove --sync $((left + $1)) $((top + $2)) sleep 0.2 click 1; sleep 0.3; }
# Places of the controls: the music panel lies at (12, 12).
choose_cd() { click 60 70; }           # label "音楽CD"
choose_none() { click 45 90; }         # the glyph of "なし"
choose_file_source() { click 70 110; } # label "MP3、WAV"
click_repeat_box() { click 120 70; }   # the repeat box's text
click_file_button() { click 58 136; }  # "..."
click_set() { click 200 208; }         # "設定"
click_cancel() { click 316 208; }      # "ｷｬﾝｾﾙ"
# shoot NAME: the dialog's picture into $SCREENSHOT_DIR, when one is given (the demo does).
shoot() {
  [ -n "${SCREENSHOT_DIR:-}" ] || return 0
  import -window root "$scratch/screen.png"
  convert "$scratch/screen.png" -crop 546x289+$((left - 12))+$((top - 12)) +repage "$SCREENSHOT_DIR/$1.png"
}
type_text() { [ -z "$1" ] || xdotool type --delay 50 "$1"; }
# key KEY...: keys typed into the dialog, once it has the X input focus and is the window
# that Windows sends keys to.
key() {
  for _ in $(seq 50); do
    xdotool windowfocus --sync "$dialog" 2>/dev/null || true
    [ "$(probe active)" = yes ] && break
    sleep 0.2
  done
  xdotool key --delay 50 "$@"
}

# wait_closed WHAT: the host ends within a few seconds, with exit code 0.
wait_closed() {
  for _ in $(seq 80); do kill -0 "$host" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$host" 2>/dev/null; then
    fail "$1: the dialog did not close"
    end "$host"
  fi
  wait "$host" || fail "$1: exit code $?"
  host=
}

start_settings() {  # kind repeat file
  printf '[Section]\r\n%s=%s\r\n%s=%s\r\n%s=%s\r\n' "$key_kind" "$1" "$key_repeat" "$2" "$key_file" "$3" > "$ini"
}

# 1. The repeat box's text as stored; the box takes no typing while "なし" is chosen.
check_repeat() {  # text expected
  start_settings 0 0 ''
  open_dialog || return
  click_repeat_box
  type_text 9            # disabled: ignored
  if [ "$1" = 12 ]; then # "..." is off too
    click_file_button
    sleep 1
    xdotool search --name '^ﾌｧｲﾙを開く$' >/dev/null 2>&1 && fail "the chooser opened with no music chosen"
  fi
  choose_cd
  click_repeat_box
  type_text "$1"
  wait_for repeat "$1"
  click_set
  wait_closed "repeat \"$1\""
  [ "$(value "$key_kind")" = 1 ] || fail "repeat \"$1\": source stored as '$(value "$key_kind")'"
  [ "$(value "$key_repeat")" = "$2" ] || fail "repeat \"$1\": stored '$(value "$key_repeat")', expected $2"
}
check_repeat 12 12
check_repeat 2.5 2
check_repeat abc 0
check_repeat '' 0

# 2. "..." works only for the file source; the chosen file is shown and stored.
start_settings 1 4 ''
open_dialog
click_file_button
sleep 1
xdotool search --name '^ﾌｧｲﾙを開く$' >/dev/null 2>&1 && fail "the chooser opened while the CD was chosen"
choose_file_source
click_repeat_box
type_text 5                # the repeat box is off for a file
click_file_button
chooser=
for _ in $(seq 100); do
  chooser=$(xdotool search --name '^ﾌｧｲﾙを開く$' 2>/dev/null | head -n1) && [ -n "$chooser" ] && break
  sleep 0.1
done
if [ -z "$chooser" ]; then
  fail "no file chooser"
else
  # Typed once the chooser's name box has the keyboard (the dialog's thread runs it).
  wait_for focus Edit
  xdotool windowfocus --sync "$chooser"
  xdotool type --delay 30 'C:\wavorin_e2e\dialog\tone.mp3'
  xdotool key Return
  for _ in $(seq 300); do xdotool search --name '^ﾌｧｲﾙを開く$' >/dev/null 2>&1 || break; sleep 0.1; done
fi
# Back in the dialog, the keyboard is where it was: on "...". Tab then goes on to "設定".
wait_for focus ...
shoot dialog-file
key Tab
wait_for focus 設定
key space
wait_closed "file"
[ "$(value "$key_kind")" = 2 ] || fail "file: source stored as '$(value "$key_kind")'"
# The disabled box kept its text and took no typing; its text is stored all the same.
[ "$(value "$key_repeat")" = 4 ] || fail "file: repeat stored as '$(value "$key_repeat")', expected 4"
[ "$(value "$key_file")" = 'C:\wavorin_e2e\dialog\tone.mp3' ] || fail "file: stored '$(value "$key_file")'"

# 3. The next screensaver run plays what was stored. Esc goes to the renderer until the run
# and the renderer are both gone: on a busy machine the first press may come before the
# renderer has the keyboard.
trace=$scratch/run.trace
played='open \"C:\\wavorin_e2e\\dialog\\tone.mp3\" type MPEGVideo Alias MP3Play'
WINEDEBUG=+mci wine_run 'C:\wavorin_e2e\dialog\Wavorin.scr' /s >/dev/null 2>"$trace" &
run=$!
window=$(renderer_window 600) || true
[ -n "$window" ] || fail "run: no renderer window"
for _ in $(seq 300); do
  grep -qF "$played" "$trace" && break
  kill -0 "$run" 2>/dev/null || break
  sleep 0.1
done
grep -qF "$played" "$trace" || fail "run: the stored file was not played"
for _ in $(seq 60); do
  window=$(xdotool search --name '^Zelvane_VC$' 2>/dev/null | head -n1) || true
  [ -z "$window" ] && ! kill -0 "$run" 2>/dev/null && break
  [ -n "$window" ] && { xdotool windowfocus --sync "$window" key Escape 2>/dev/null || true; }
  sleep 0.5
done
kill -0 "$run" 2>/dev/null && { fail "run: did not end"; end "$run"; }
wait "$run" || true
run=

# 4. The keyboard alone. Tab and Shift+Tab go round the controls that are on (the repeat
# box, "設定", "ｷｬﾝｾﾙ"; "..." is off for the CD); a text wider than the box is typed in full;
# Space on "設定" saves.
start_settings 1 0 ''
open_dialog
wait_for focus repeat  # the first control
key Tab
wait_for focus 設定
key Tab
wait_for focus ｷｬﾝｾﾙ
key Tab
wait_for focus repeat
key shift+Tab
wait_for focus ｷｬﾝｾﾙ
key shift+Tab shift+Tab
wait_for focus repeat
typed=0012.0000
type_text "$typed"
wait_for repeat "$typed"
key Tab
wait_for focus 設定
key space
wait_closed "keyboard"
[ "$(value "$key_kind")" = 1 ] || fail "keyboard: source stored as '$(value "$key_kind")'"
[ "$(value "$key_repeat")" = 12 ] || fail "keyboard: stored '$(value "$key_repeat")', expected 12"

# 5. "ｷｬﾝｾﾙ", Esc and the close request store nothing, whatever was changed.
start_settings 2 3 'C:\wavorin_e2e\dialog\tone.mp3'
cp "$ini" "$scratch/before.ini"
open_dialog
choose_cd
click_repeat_box
type_text 8
click_cancel
wait_closed "cancel"
cmp -s "$ini" "$scratch/before.ini" || fail "cancel: the settings file changed"

open_dialog
choose_cd
click_repeat_box
type_text 8
wait_for repeat 38  # typed after the stored 3
key Escape
wait_closed "Esc"
cmp -s "$ini" "$scratch/before.ini" || fail "Esc: the settings file changed"

open_dialog
choose_none
xdotool windowfocus --sync "$dialog" key alt+F4  # the close box's request, from the keyboard
wait_closed "close"
cmp -s "$ini" "$scratch/before.ini" || fail "close: the settings file changed"

# 6. A second /c while the dialog is open ends at once and opens nothing.
open_dialog
shoot dialog-none
start=$(date +%s%N)
wine_run 'C:\wavorin_e2e\dialog\Wavorin.scr' /c >/dev/null 2>&1 || fail "second /c: exit code $?"
elapsed_ms=$((($(date +%s%N) - start) / 1000000))
echo "a second /c ended after $elapsed_ms ms"
[ "$elapsed_ms" -lt 5000 ] || fail "second /c took $elapsed_ms ms"
[ "$(xdotool search --name '^■Wavorin■$' | wc -l)" = 1 ] || fail "second /c: another dialog opened"
click_cancel
wait_closed "after the second /c"

e2e_finish "settings dialog behaved as expected"
