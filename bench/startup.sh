#!/usr/bin/env bash
# Start-up benchmark: "Wavorin.scr /s" to the renderer's first frame, beside the floor (a
# minimal OpenGL program's first frame under the same Wine, after the host's 100 ms pause),
# on virtual screens of 1920 x 1080 and 3840 x 2160. Prints the median of several runs.
# Usage: bench/startup.sh [runs]   (builds win64 first)
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/wine-env.sh
runs=${1:-5}

cmake --preset win64 >/dev/null
cmake --build --preset win64 >/dev/null
wine_env build/win64
install="$WINEPREFIX/drive_c/wavorin_bench"
mkdir -p "$install"
cp build/win64/bin/Wavorin.scr build/win64/bin/Wavorin.dll build/win64/bench/MinimalGl.exe \
  build/win64/bench/StartupTimer.exe "$install/"

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for size in 1920x1080 3840x2160; do
  unset DISPLAY
  display_ensure "$size"
  wine_server_start
  rm -f "$WINEPREFIX/drive_c/vetsu_temp/Wavorin.ini"  # no music: start-up alone
  for what in screensaver floor; do
    times=()
    for _ in $(seq "$runs"); do
      if [ $what = screensaver ]; then
        times+=("$(wine_run 'C:\wavorin_bench\StartupTimer.exe' Zelvane_VC 'C:\wavorin_bench\Wavorin.scr' /s)")
      else
        times+=("$(wine_run 'C:\wavorin_bench\StartupTimer.exe' WavorinFloorGl 'C:\wavorin_bench\MinimalGl.exe')")
      fi
      sleep 1
    done
    printf '%-10s %-12s median %5s ms   runs: %s\n' "$size" "$what" "$(printf '%s\n' "${times[@]}" | median)" "${times[*]}"
  done
  wine_server_stop
  display_stop
done
