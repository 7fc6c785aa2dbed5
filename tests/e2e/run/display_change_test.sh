#!/usr/bin/env bash
# A run in Wine's virtual desktop whose screen changes during the run: started at 1024 x 768
# with a settings file that holds another screen's size and cannot be written, grown to
# 1280 x 1024, shrunk back. Each time the renderer's window covers the screen exactly (the
# platform's own answer, read by desk_probe in that desktop); a screenshot of each, to look at.
# Usage: display_change_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
e2e_setup "$1" 1400x1100
e2e_install desktop "$2" "$build/tests/desk_probe.exe"
cd "$2"
# Every program started in the one desktop; a program kept running there keeps it alive.
in_desktop() { wine_run explorer /desktop=wavorin_e2e,1024x768 "$@" </dev/null; }
probe() { in_desktop 'C:\wavorin_e2e\desktop\desk_probe.exe' "$@"; }
# The probe answers after explorer has handed it on and returned: its answer goes to a file.
where() { rm -f where.txt && probe where >where.txt 2>/dev/null && wait_until 50 test -s where.txt && tr -d '\r' <where.txt; }
# covers_screen W H: the screen is W x H and the renderer's window covers it. A screen still of
# another size is asked again: the platform may drop a change asked while it is busy.
covers_screen() {
  local now
  now=$(where) || return 1
  [[ $now == *" screen $1 $2 "* ]] || { probe size "$1" "$2" >/dev/null 2>&1; return 1; }
  [[ $now == "renderer 0 0 $1 $2 screen $1 $2 covers 0 "* ]]
}
host_running() {  # a Wavorin.scr of this prefix
  local pid
  for pid in $(pgrep -f 'desktop.Wavorin\.scr'); do
    { tr '\0' '\n' <"/proc/$pid/environ"; } 2>/dev/null | grep -qxF "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}

probe hold >/dev/null 2>&1 &  # the first program of a desktop waits while it lives
started+=($!)
wait_until 600 xdotool search --name '^wavorin_e2e - Wine desktop$' >/dev/null || fail "no virtual desktop"
desktop=$(xdotool search --name '^wavorin_e2e - Wine desktop$' | head -n1)
ini=$drive_c/vetsu_temp/Wavorin.ini
rm -f "$ini" && printf '[Section]\r\nWidth=800\r\nHeight=600\r\n' >"$ini" && chmod a-w "$ini"
in_desktop 'C:\wavorin_e2e\desktop\Wavorin.scr' /s >/dev/null 2>&1
for size in 1024x768 1280x1024 1024x768; do
  w=${size%x*} h=${size#*x}
  wait_until 300 covers_screen "$w" "$h" || fail "at $size the renderer's window and the screen are: $(where)"
  sleep 1 && import -window root -crop "$size+0+0" "run-$size-$SECONDS.png"
done
grep -qa $'^Width=800\r$' "$ini" || fail "the settings file was written: a size it cannot record was not tried"
xdotool windowfocus --sync "$desktop" key Escape
wait_until 300 eval '! host_running' || fail "Esc did not end the run"
chmod u+w "$ini" && rm -f "$ini"
e2e_finish "the renderer's window covered the screen at each size"
