#!/usr/bin/env bash
# Writes the winget multi-file manifest (version, installer, default locale) of a release's two
# installers: per-user NSIS installers with silent switches, identified to the package manager
# by the name of the Uninstall key they write.
# Usage: scripts/winget-manifest.sh OUT_DIR WIN32_SETUP.exe WIN64_SETUP.exe
# The download address of the installers is $WAVORIN_RELEASE_URL/<file name>.
set -euo pipefail
out=$1 setup32=$2 setup64=$3
here=$(cd "$(dirname "$0")/.." && pwd)
version=$(sed -n 's/^project(Wavorin VERSION \([0-9.]*\).*/\1/p' "$here/CMakeLists.txt")
product_code=$(sed -n 's/^!define UNINSTALL_KEY ".*\\\([^\\"]*\)"$/\1/p' "$here/packaging/Wavorin.nsi")
url=${WAVORIN_RELEASE_URL:-https://wavorin.example/releases/$version}
id=Wavorin.Wavorin
sha() { sha256sum "$1" | cut -d' ' -f1 | tr a-f A-F; }

mkdir -p "$out"
cat > "$out/$id.yaml" <<EOF_VERSION
PackageIdentifier: $id
PackageVersion: $version
DefaultLocale: en-US
ManifestType: version
ManifestVersion: 1.6.0
EOF_VERSION

cat > "$out/$id.installer.yaml" <<EOF_INSTALLER
PackageIdentifier: $id
PackageVersion: $version
InstallerType: nullsoft
Scope: user
InstallModes:
  - interactive
  - silent
InstallerSwitches:
  Silent: /S
  SilentWithProgress: /S
UpgradeBehavior: install
ProductCode: $product_code
Installers:
  - Architecture: x86
    InstallerUrl: $url/$(basename "$setup32")
    InstallerSha256: $(sha "$setup32")
  - Architecture: x64
    InstallerUrl: $url/$(basename "$setup64")
    InstallerSha256: $(sha "$setup64")
ManifestType: installer
ManifestVersion: 1.6.0
EOF_INSTALLER

cat > "$out/$id.locale.en-US.yaml" <<EOF_LOCALE
PackageIdentifier: $id
PackageVersion: $version
PackageLocale: en-US
Publisher: the Wavorin authors
PackageName: Wavorin
License: MIT
ShortDescription: A screen saver that sends a photograph of your desktop diving through a tumbling translucent ring.
ManifestType: defaultLocale
ManifestVersion: 1.6.0
EOF_LOCALE
