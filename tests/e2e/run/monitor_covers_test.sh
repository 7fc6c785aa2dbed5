#!/usr/bin/env bash
# A run on two monitors: the second, bright before the run, reads back black while the
# renderer's window is up and bright again once Esc has ended the run; a click on the second
# monitor leaves the keyboard with the renderer, so that Esc still ends the run. A program
# brought to the foreground on the second monitor during the run shows over the black, until
# the user switches back to the renderer. Other ends of the run (Alt+F4, the host closed or
# killed) take the black with them too.
# With -left the second monitor lies left of the primary, with -above above it.
# Usage: monitor_covers_test.sh BUILD_DIR SCRATCH_DIR [-left | -above]
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
e2e_setup "$1" "two-monitors${3:-}"
e2e_install monitors "$2" "$build/tests/desk_probe.exe"
cd "$2"
# Where X shows the second monitor, a point on it and one on the primary, and where Wine has it.
second=800x600+1280+0 click=(1680 300) primary=(640 512) wine_second=(1280 0 800 600)
[ "${3:-}" != -left ] || second=800x600+0+0 click=(400 300) primary=(1440 512) wine_second=(-800 0 800 600)
[ "${3:-}" != -above ] || second=800x600+0+0 click=(400 300) primary=(640 1112) wine_second=(0 -600 800 600)

# The second monitor's pixels as X holds them: their lowest and highest channel values.
second_range() { import -window root -crop "$second" png:- | convert png:- -format '%[min] %[max]' info:; }
bright() { local range; range=$(second_range) && [ "${range%% *}" -gt 30000 ]; }
black() { [ "$(second_range)" = "0 0" ]; }
# Esc as typed, to whichever window has the keyboard, until the host has ended.
esc_as_typed() { gone "$host" || { xdotool key Escape; false; }; }

# A bright window that fills the second monitor and takes no notice of keys or clicks.
xmessage -geometry "$second" -xrm '*borderWidth: 0' -bg '#ffd080' -fg '#ffd080' -buttons '' ' ' &
started+=($!)
wait_until 100 bright || fail "the second monitor is not bright before the run"
ini=$drive_c/vetsu_temp/Wavorin.ini
rm -f "$ini"
start 'C:\wavorin_e2e\monitors\Wavorin.scr' /s
window=$(wait_until 1200 shown) || true
[ -n "$window" ] || fail "the host ended before the renderer's window showed"
wait_until 100 black || fail "the second monitor is not black during the run"
import -window root "run${3:-}.png"  # the whole desk, to look at
# One cover, owned by the renderer's window and not above every program.
where=$(wine_run 'C:\wavorin_e2e\monitors\desk_probe.exe' where </dev/null 2>/dev/null | tr -d '\r')
[ "${where#* covers }" = "1 topmost 0 owned 1" ] || fail "the covers as the platform has them: $where"

# The user switches to a program on the second monitor, and back to the renderer with a click.
wine_run 'C:\wavorin_e2e\monitors\desk_probe.exe' front "${wine_second[@]}" </dev/null >/dev/null 2>&1 &
probe=$! && started+=("$probe")
wait_until 100 bright || fail "a program brought to the foreground on the second monitor stays under the black"
import -window root "switched${3:-}.png"
xdotool mousemove --sync "${primary[@]}" click 1
wait_until 100 black || fail "the second monitor is not black again once the renderer is active again"

# The user clicks the second monitor, then presses Esc: the renderer still has the keyboard.
xdotool mousemove --sync "${click[@]}" click 1
black || fail "the second monitor is not black after a click on it"
wait_until 100 esc_as_typed || { fail "Esc after a click on the second monitor did not end the run"; stop "$host"; }
stop "$probe"
wait "$host" || fail "exit code $?"
wait_until 100 bright || fail "the second monitor is not bright again after the run"
# Whatever else ends the run takes the black with it: a system close of the renderer's window,
# and the host closed or killed (the renderer then ends by itself).
if [ -z "${3:-}" ]; then
  for ending in 'xdotool windowfocus --sync $window key alt+F4' 'wine_run taskkill /IM Wavorin.scr' \
    'wine_run taskkill /F /IM Wavorin.scr'; do
    start 'C:\wavorin_e2e\monitors\Wavorin.scr' /s
    window=$(wait_until 1200 shown) && [ -n "$window" ] && wait_until 100 black || fail "$ending: no black during the run"
    eval "$ending" >/dev/null 2>&1 || fail "$ending: refused"
    wait_until 100 bright || fail "the second monitor is not bright again after $ending"
    wait_until 100 gone "$host" || { fail "$ending: the host did not end"; stop "$host"; }
  done
fi
# The size the run records for the renderer is the primary monitor's, not the whole desk's.
grep -qa $'^Width=1280\r$' "$ini" && grep -qa $'^Height=1024\r$' "$ini" ||
  fail "the run recorded $(grep -a -e ^Width -e ^Height "$ini" | tr -d '\r' | tr '\n' ' ')"
e2e_finish "the second monitor black during the run, and only then"
