#!/usr/bin/env bash
# Makes a release: builds and tests everything (scripts/test.sh; both Windows pairs are
# Release builds), then leaves each pair's ZIP and installer in dist/ with the winget
# manifest of the installers (dist/winget/) and SHA256SUMS.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/test.sh

rm -rf dist
mkdir dist
cp build/win32/package/*.zip build/win32/package/*-setup.exe \
   build/win64/package/*.zip build/win64/package/*-setup.exe dist/
scripts/winget-manifest.sh dist/winget dist/Wavorin-*-win32-setup.exe dist/Wavorin-*-win64-setup.exe
(cd dist && sha256sum -- *.zip *.exe > SHA256SUMS)
echo "== dist/"
ls -l dist
