#!/usr/bin/env bash
# Frame-rate benchmark: the renderer alone under Wine on Xvfb (which has no vertical sync) at
# 640 x 480 and 1920 x 1080, the screen it covers. Prints the frames per second Wine's own
# counter reports (its "fps" debug channel, from the swaps) and the share of one core the
# renderer's process and the X server use, each over the same seconds.
#
# Usage: bench/frame_rate.sh [--seconds N] [--pair DIR]
#   --seconds N  how long each size is measured, after a settling pause (default 10)
#   --pair DIR   measure the Wavorin.dll in DIR (default: this tree's win64 build)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/wine-env.sh

seconds=10 pair=build/win64/bin
while [ $# -gt 0 ]; do
  case $1 in
    --seconds) seconds=$2; shift 2 ;;
    --pair) pair=$2; shift 2 ;;
    *) echo "usage: $0 [--seconds N] [--pair DIR]" >&2; exit 2 ;;
  esac
done

wine_env build/win64
install="$WINEPREFIX/drive_c/wavorin_bench"
mkdir -p "$install" "$WINEPREFIX/drive_c/vetsu_temp"
cp "$pair/Wavorin.dll" "$install/"
hz=$(getconf CLK_TCK)
ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }  # user + system, in clock ticks

echo "pair: $pair"
for size in 640x480 1920x1080; do
  unset DISPLAY
  display_ensure "$size"
  wine_server_start
  # The size a host would have recorded: a renderer that trusts it covers the screen too.
  printf '[Section]\r\nWidth=%s\r\nHeight=%s\r\n' "${size%x*}" "${size#*x}" >"$WINEPREFIX/drive_c/vetsu_temp/Wavorin.ini"
  log=$(mktemp)
  WINEDEBUG=fps wine_run 'C:\wavorin_bench\Wavorin.dll' </dev/null >/dev/null 2>"$log" &
  runner=$!
  sleep 5  # start-up and the first textures are not what is measured
  renderer=$(pgrep -P "$runner" | head -n1)  # the shell function's child is Wine's process
  lines=$(wc -l <"$log")
  r0=$(ticks $renderer) x0=$(ticks "$XVFB_PID") t0=$(date +%s.%N)
  sleep "$seconds"
  r1=$(ticks $renderer) x1=$(ticks "$XVFB_PID") t1=$(date +%s.%N)
  # Each report covers the frames since the one before: the mean of those inside the span.
  fps=$(tail -n +$((lines + 1)) "$log" | sed -n 's/.*@ approx \([0-9.]*\)fps.*/\1/p' |
    awk '{ s += $1; n++ } END { if (n) printf "%.1f", s / n; else print "none" }')
  kill "$renderer" "$runner" 2>/dev/null || true
  wait "$runner" 2>/dev/null || true
  awk -v size="$size" -v fps="$fps" -v r=$((r1 - r0)) -v x=$((x1 - x0)) -v hz="$hz" -v t0="$t0" -v t1="$t1" 'BEGIN {
    span = t1 - t0
    printf "%-10s %8s frames/s   renderer %5.1f %% of a core   X server %5.1f %% of a core\n",
      size, fps, 100 * r / hz / span, 100 * x / hz / span }'
  rm -f "$log"
  wine_server_stop
  display_stop
done
