#!/usr/bin/env bash
# Builds one Windows pair (win64 unless told win32) with its ZIP and installer twice, from
# the same source files copied into two folders of different names and depths, and compares
# what users download byte for byte. Prints each file as "same" or "DIFFERS" and exits 1 on
# a difference. Takes two builds' time; scripts/release.sh runs it.
# Usage: scripts/check-reproducible.sh [win64|win32]
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/source-files.sh
preset=${1:-win64}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The time the files are dated to: the caller's, else the last commit's, else none (the
# build then takes the top-level CMakeLists.txt's, the same in both copies).
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  export SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
fi
copies=("$work/a" "$work/second/copy")
for copy in "${copies[@]}"; do
  mkdir -p "$copy"
  source_files . | tar -cf - -T - | tar -xf - -C "$copy"
  echo "== building $preset in $copy"
  (cd "$copy" && cmake --preset "$preset" -DWAVORIN_BUILD_TESTS=OFF >/dev/null &&
    cmake --build --preset "$preset" --target wavorin_installer >/dev/null && cpack --preset "$preset" >/dev/null)
done
status=0
for file in bin/Wavorin.scr bin/Wavorin.dll "$(cd "${copies[0]}/build/$preset" && ls package/*.zip package/*-setup.exe)"; do
  for one in $file; do
    if cmp -s "${copies[0]}/build/$preset/$one" "${copies[1]}/build/$preset/$one"; then
      echo "same:    $one"
    else
      echo "DIFFERS: $one ($(cmp "${copies[0]}/build/$preset/$one" "${copies[1]}/build/$preset/$one" | head -n1))"
      status=1
    fi
  done
done
exit $status
