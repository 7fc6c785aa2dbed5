#!/usr/bin/env bash
# Makes a release: builds and tests everything (scripts/test.sh; both Windows pairs are
# Release builds), then leaves each pair's ZIP and installer in dist/ with the winget
# manifest of the installers (dist/winget/) and SHA256SUMS.
# With a signing key (a PKCS#12 file or a PKCS#11 token; scripts/lib/signing-env.sh names the
# settings, relative paths are taken from the directory this is started in) every shipped
# program is signed and time-stamped: the pair before it is packed, the uninstaller and the
# installer as the installer is made. Without one they ship unsigned.
set -euo pipefail
. "$(dirname "$0")/lib/signing-env.sh"
cd "$(dirname "$0")/.."

scripts/test.sh
# What is shipped is what anyone building this commit gets.
for preset in win32 win64; do scripts/check-reproducible.sh "$preset"; done

if signing_wanted; then
  for preset in win32 win64; do
    scripts/sign.sh "build/$preset/bin/Wavorin.scr" "build/$preset/bin/Wavorin.dll"
    cmake --build --preset "$preset" --target wavorin_installer  # remade around the signed pair
    cpack --preset "$preset" >/dev/null
  done
fi

rm -rf dist
mkdir dist
cp build/win32/package/*.zip build/win32/package/*-setup.exe \
   build/win64/package/*.zip build/win64/package/*-setup.exe dist/
scripts/winget-manifest.sh dist/winget build/win64/version/VERSION dist/Wavorin-*-win32-setup.exe dist/Wavorin-*-win64-setup.exe
(cd dist && sha256sum -- *.zip *.exe > SHA256SUMS)
echo "== dist/"
ls -l dist
