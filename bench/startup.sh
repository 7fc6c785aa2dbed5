#!/usr/bin/env bash
# Start-up benchmark: "Wavorin.scr /s" to the renderer's first frame, beside two floors under
# the same Wine: one minimal OpenGL program to its first frame (after the host's 100 ms pause),
# and the same program started by a launcher that waits for it (what two programs cost at
# least). Interleaved runs on virtual screens of 1920 x 1080, 3840 x 2160 and 5120 x 2880;
# prints each median with its runs and the ratio to the two-process floor, and the median
# peak working set of the renderer up to its first frame.
#
# Usage: bench/startup.sh [--runs N] [--pair DIR] [--trace]
#   --runs N    runs of each program at each size (default 5)
#   --pair DIR  measure the Wavorin.scr and Wavorin.dll in DIR (default: this tree's win64 build),
#               e.g. another checkout's build/win64/bin, to compare two trees in the same hour
#   --trace     also trace one more run at 5120 x 2880: where its time goes, step by step
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/wine-env.sh

runs=5 pair=build/win64/bin trace=0
while [ $# -gt 0 ]; do
  case $1 in
    --runs) runs=$2; shift 2 ;;
    --pair) pair=$2; shift 2 ;;
    --trace) trace=1; shift ;;
    *) echo "usage: $0 [--runs N] [--pair DIR] [--trace]" >&2; exit 2 ;;
  esac
done

cmake --preset win64 >/dev/null
cmake --build --preset win64 >/dev/null
wine_env build/win64
install="$WINEPREFIX/drive_c/wavorin_bench"
rm -rf "$install" && mkdir -p "$install"
cp "$pair/Wavorin.scr" "$pair/Wavorin.dll" build/win64/bench/MinimalGl.exe build/win64/bench/FloorLauncher.exe \
  build/win64/bench/StartupTimer.exe "$install/"
bench='C:\wavorin_bench'

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

time_one() {  # time_one WHAT: milliseconds from the start to the first frame, peak kilobytes
  case $1 in
    screensaver) wine_run "$bench\\StartupTimer.exe" Zelvane_VC "$bench\\Wavorin.scr" /s ;;
    one-process) wine_run "$bench\\StartupTimer.exe" WavorinFloorGl "$bench\\MinimalGl.exe" ;;
    two-process) wine_run "$bench\\StartupTimer.exe" WavorinFloorGl "$bench\\FloorLauncher.exe" "$bench\\MinimalGl.exe" ;;
  esac
}

echo "pair: $pair"
for size in 1920x1080 3840x2160 5120x2880; do
  unset DISPLAY
  display_ensure "$size"
  wine_server_start
  rm -f "$WINEPREFIX/drive_c/vetsu_temp/Wavorin.ini"  # no music: start-up alone
  declare -A times=() peaks=()
  for _ in $(seq "$runs"); do
    for what in screensaver one-process two-process; do
      read -r ms kb < <(time_one $what | tr -d '\r')
      times[$what]+="$ms "
      peaks[$what]+="$kb "
      sleep 1
    done
  done
  floor=$(printf '%s\n' ${times[two-process]} | median)
  for what in screensaver one-process two-process; do
    m=$(printf '%s\n' ${times[$what]} | median)
    printf '%-10s %-12s median %5s ms  %4s x two-process  peak %4s MB  runs: %s\n' "$size" "$what" "$m" \
      "$(awk -v m="$m" -v f="$floor" 'BEGIN { printf "%.2f", m / f }')" \
      "$(printf '%s\n' ${peaks[$what]} | median | awk '{ printf "%.0f", $1 / 1024 }')" "${times[$what]}"
  done
  unset times peaks

  if [ $trace = 1 ] && [ $size = 5120x2880 ]; then
    log="$WINEPREFIX/drive_c/wavorin_bench/trace.txt"
    rm -f "$log"
    WAVORIN_STARTUP_TRACE='C:\wavorin_bench\trace.txt' time_one screensaver >/dev/null
    echo "trace of one run at $size (ms from the launch; the step's own time):"
    sort -n "$log" | awk 'NR == 1 { first = $1; last = $1 }
      { step = $3; for (i = 4; i <= NF; i++) step = step " " $i
        printf "  %7.1f  %+7.1f  %-9s %s\n", ($1 - first) / 1000, ($1 - last) / 1000, $2, step; last = $1 }'
  fi
  wine_server_stop
  display_stop
done
