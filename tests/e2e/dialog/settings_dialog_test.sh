#!/usr/bin/env bash
# The settings dialog driven from the Linux side: the keyboard alone, a file picked in the
# real chooser, what "設定" stores and what "ｷｬﾝｾﾙ", Esc and Alt+F4 leave alone, what a screen
# reader reads, and the dialog modal to the window that asked for it. Each step waits for what
# it needs (focus, text typed), read back by dialog_probe.exe.
# Usage: settings_dialog_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
e2e_setup "$1"
e2e_install dialog "$2" "$build/tests/dialog_probe.exe"
ini=$drive_c/vetsu_temp/Wavorin.ini
key_kind=$'BGM\x8b\xe6\x95\xaa' key_repeat=$'BGM\xd8\xcb\xdf\xb0\xc4' key_file=$'BGM\xcc\xa7\xb2\xd9'
settings() { printf '[Section]\r\n%s=%s\r\n%s=%s\r\n%s=%s\r\n' "$key_kind" "$1" "$key_repeat" "$2" "$key_file" "$3"; }
# stored WHAT KIND REPEAT FILE: the settings file holds these values, as "設定" writes them.
stored() { cmp -s "$ini" <(settings "${@:2}") || fail "$1: the settings file holds $(cat -v "$ini")"; }
probe() { wine_run 'C:\wavorin_e2e\dialog\dialog_probe.exe' "$1" 2>/dev/null | tr -d '\r'; }
reads() { [ "$(probe "$1")" = "$2" ]; }
expect() { wait_until 100 reads "$1" "$2" || { fail "$1 is '$(probe "$1")', expected '$2'"; return 1; }; }
on_a_control() { case $(probe focus) in '' | none | dialog) false ;; esac; }

# open_dialog [SWITCH]: /c unless told.
open_dialog() {
  start 'C:\wavorin_e2e\dialog\Wavorin.scr' "${1:-/c}"
  dialog=$(wait_until 300 window_named '^■Wavorin■$') || { fail "no settings dialog"; return 1; }
  eval "$(xdotool getwindowgeometry --shell "$dialog")"
  wait_until 100 on_a_control || { fail "no control has the focus"; return 1; }
}
# click X Y: a left click at a point of the dialog (96 DPI layout; the music panel at 12, 12).
click() { xdotool mousemove --sync $((X + $1)) $((Y + $2)) click 1; }
is_active() { xdotool windowfocus --sync "$dialog" 2>/dev/null; reads active yes; }
# keys key|type ...: once the dialog has the X input focus and is Windows' foreground window.
keys() { wait_until 50 is_active || fail "the dialog is not active"; xdotool "$1" --delay 50 "${@:2}"; }
closed() {
  wait_until 100 gone "$host" || { fail "$1: the dialog did not close"; stop "$host"; }
  wait "$host" || fail "$1: exit code $?"
}
# save WHAT KEY: Tab from the focused control reaches "設定" within four steps, KEY (Space or
# Enter) there saves and closes.
save() {
  for _ in 1 2 3 4; do
    keys key Tab
    reads focus 設定 && break
  done
  expect focus 設定
  keys key "$2"
  closed "$1"
}

settings 1 0 '' >"$ini"
open_dialog
expect focus 音楽CD
for step in Tab:repeat Tab:設定 Tab:ｷｬﾝｾﾙ Tab:音楽CD shift+Tab:ｷｬﾝｾﾙ shift+Tab:設定 shift+Tab:repeat; do
  keys key "${step%%:*}"
  expect focus "${step#*:}"
done
keys type 0012.0000
expect text 0012.0000
save keyboard space
stored keyboard 1 12 ''

settings 1 4 '' >"$ini"
open_dialog
click 70 110  # "MP3、WAV"
click 58 136  # "..."
chooser=$(wait_until 300 window_named '^ﾌｧｲﾙを開く$') || { fail "no file chooser"; exit 1; }
expect focus Edit
expect chooser plain  # no read-only box to tick
# A file that does not exist is refused by the chooser itself.
xdotool windowfocus --sync "$chooser" type --delay 30 'C:\wavorin_e2e\dialog\missing.mp3'
expect text 'C:\wavorin_e2e\dialog\missing.mp3'
xdotool windowfocus --sync "$chooser" key Return
expect chooser refusal
xdotool key Return
expect chooser plain
xdotool windowfocus --sync "$chooser" key End key --repeat 40 BackSpace
expect text ''
xdotool windowfocus --sync "$chooser" type --delay 30 'C:\wavorin_e2e\dialog\tone.mp3'
expect text 'C:\wavorin_e2e\dialog\tone.mp3'
xdotool windowfocus --sync "$chooser" key Return
expect focus ...  # back where it was when the chooser closed
save file Return
stored file 2 4 'C:\wavorin_e2e\dialog\tone.mp3'

settings 2 3 'C:\wavorin_e2e\dialog\tone.mp3' >"$ini"
for leave in 'click 316 208' 'keys key Escape' 'keys key alt+F4'; do
  open_dialog
  click 60 70   # "音楽CD": the repeat box takes typing
  click 120 70  # the repeat box
  expect focus repeat
  keys type 8
  expect text 38
  $leave
  closed "$leave"
  stored "$leave" 2 3 'C:\wavorin_e2e\dialog\tone.mp3'
done

# The music source by the keyboard alone, from each stored source (5 shows none chosen): Tab
# stops at the chosen option (else the top one), the arrows move the choice round the three
# rows, Space chooses. STORED:FOCUS:KEY>FOCUS...:SAVED
for case in '1:音楽CD:Down>なし Down>MP3、WAV Down>音楽CD Up>MP3、WAV:2' '0:なし:Left>音楽CD:1' \
  '2:MP3、WAV:Right>音楽CD Right>なし:0' '5:音楽CD:space>音楽CD:1'; do
  IFS=: read -r kind focus steps saved <<<"$case"
  settings "$kind" 0 'C:\wavorin_e2e\dialog\tone.mp3' >"$ini"
  open_dialog
  expect focus "$focus"
  keys key shift+Tab
  keys key Tab
  expect focus "$focus"
  for step in $steps; do
    keys key "${step%%>*}"
    expect focus "${step#*>}"
  done
  save "keyboard from $kind" space
  stored "keyboard from $kind" "$saved" 0 'C:\wavorin_e2e\dialog\tone.mp3'
done

# What a screen reader reads of the dialog and of each control, in the windows' order, from
# another process; then what changes when the keyboard chooses "なし".
settings 1 7 'C:\wavorin_e2e\dialog\tone.mp3' >"$ini"
open_dialog
# listing OPTIONS_AND_REPEAT_BOX: the whole reading, with the lines that a choice changes.
listing() {
  printf '%s\n' 'dialog "■Wavorin■"' 'group "BGM"' 'label "BGM"' "$1" 'label "曲目をﾘﾋﾟｰﾄ"' \
    "button \"音楽ﾌｧｲﾙを選ぶ\" unavailable focusable" 'text "音楽ﾌｧｲﾙ" [C:\wavorin_e2e\dialog\tone.mp3] read-only' \
    'link "Wavorin ﾎｰﾑﾍﾟｰｼﾞ" [https://wavorin.example/] linked' 'link "Wavorin ﾎｰﾑﾍﾟｰｼﾞ" [https://wavorin.example/] linked' \
    'button "設定" focusable' 'button "ｷｬﾝｾﾙ" focusable' 'label "Wavorin Ver1.00  © Wavorin"'
}
expect reader "$(listing 'radio "なし"
radio "なし" focusable
radio "音楽CD" checked
radio "音楽CD" checked focused focusable
radio "MP3、WAV"
radio "MP3、WAV" focusable
combo "曲目をﾘﾋﾟｰﾄ" [7] focusable
text "曲目をﾘﾋﾟｰﾄ" [7] focusable')"
keys key Down
expect reader "$(listing 'radio "なし" checked
radio "なし" checked focused focusable
radio "音楽CD"
radio "音楽CD" focusable
radio "MP3、WAV"
radio "MP3、WAV" focusable
combo "曲目をﾘﾋﾟｰﾄ" [7] unavailable focusable
text "曲目をﾘﾋﾟｰﾄ" [7] unavailable focusable')"
keys key Escape
closed "the screen reader's dialog"

# Started as the system's Screen Saver Settings starts it, /c:<its window>: the dialog is owned
# by that window, which takes no input while the dialog is open and is active again after it,
# however the dialog closes. A window that does not exist changes nothing.
wine_run 'C:\wavorin_e2e\dialog\dialog_probe.exe' caller >"$2/caller" 2>/dev/null &
started+=($!)
wait_until 100 test -s "$2/caller" || fail "the caller window did not show"
caller=$(tr -d '\r' <"$2/caller")
for leave in 'click 316 208' 'click 200 208' 'keys key Escape' 'keys key alt+F4'; do
  open_dialog "/c:$caller"
  expect owner caller
  expect caller-state 'disabled inactive'
  $leave
  closed "$leave with a caller"
  expect caller-state 'enabled active'
done
open_dialog /c:1
expect owner none
keys key Escape
closed "a caller that does not exist"

# A run between two saves adds the screen's size, as X reports it; the next save keeps it and
# every music key.
settings 1 3 'C:\wavorin_e2e\dialog\tone.mp3' >"$ini"
read -r screen_width screen_height < <(xdotool getdisplaygeometry)
start 'C:\wavorin_e2e\dialog\Wavorin.scr' /s
window=$(wait_until 1200 shown) || true
[ -n "$window" ] || fail "the run between the saves showed no renderer"
end_with_esc "the run between the saves"
open_dialog
save "the save after a run" Return
cmp -s "$ini" <(settings 1 3 'C:\wavorin_e2e\dialog\tone.mp3'; printf 'Width=%s\r\nHeight=%s\r\n' "$screen_width" "$screen_height") ||
  fail "after a run and a save the settings file holds $(cat -v "$ini")"
e2e_finish "settings dialog behaved as expected"
