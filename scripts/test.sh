#!/usr/bin/env bash
# Installs what is missing, builds all three configurations (the Windows ones with their
# installer and ZIP) and runs every test:
# native (unit, sanitizers, fuzz smoke runs), windows (under wine64) and e2e (the real programs).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/wine-env.sh

scripts/setup.sh

echo "== layers"
scripts/check-layers.sh
tests/packaging/source_archive_test.sh

for preset in native win64 win32; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

echo "== deliverables"
for preset in win64 win32; do cpack --preset "$preset" >/dev/null; done
scripts/check-deliverables.sh build/win32 build/win64
scripts/check-changelog.sh build/win64/version/VERSION
setups=(build/win32/package/Wavorin-*-win32-setup.exe build/win64/package/Wavorin-*-win64-setup.exe)
rm -rf build/winget
# An address of the form a release is published at, for the manifest's check.
WAVORIN_RELEASE_URL=https://github.com/wavorin/wavorin/releases/download/v$(cat build/win64/version/VERSION) \
  scripts/winget-manifest.sh build/winget build/win64/version/VERSION "${setups[@]}"
tests/packaging/winget_manifest_test.py build/winget "${setups[@]}"

echo "== native tests"
ctest --preset native

echo "== windows and e2e tests (wine64)"
# A screen of our own, of a known size, whatever display the caller has.
unset DISPLAY
trap 'wine_server_stop; display_stop' EXIT
display_ensure 1280x1024
wine_env build/win64
wine_server_start
wine_prefix_defaults
ctest --preset win64

echo "== size"
scripts/test-ratio.sh
