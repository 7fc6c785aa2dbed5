#!/usr/bin/env bash
# Writes the winget multi-file manifest (version, installer, default locale) of a release's two
# installers: per-user NSIS installers with silent switches, identified to the package manager
# by the name of the Uninstall key they write.
# Usage: scripts/winget-manifest.sh OUT_DIR VERSION_FILE WIN32_SETUP.exe WIN64_SETUP.exe
# VERSION_FILE is the version the build wrote (build/<preset>/version/VERSION). The installers'
# download address is $WAVORIN_RELEASE_URL/<file name>; without an address no manifest is made
# (a manifest that points nowhere would be worse than none).
set -euo pipefail
out=$1 version_file=$2 setup32=$3 setup64=$4
here=$(cd "$(dirname "$0")/.." && pwd)
if [ -z "${WAVORIN_RELEASE_URL:-}" ]; then
  echo "winget: no release address (WAVORIN_RELEASE_URL), so no manifest is made"
  exit 0
fi
url=${WAVORIN_RELEASE_URL%/}
version=$(cat "$version_file")
product_code=$(sed -n 's/^!define UNINSTALL_KEY ".*\\\([^\\"]*\)"$/\1/p' "$here/packaging/Wavorin.nsi")
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
  - silentWithProgress
InstallerSwitches:
  Silent: /S
  SilentWithProgress: /S
  InstallLocation: /D=<INSTALLPATH>
ExpectedReturnCodes:
  # A Wavorin from the install folder runs (preview, settings, a run); nothing was changed.
  - InstallerReturnCode: 3
    ReturnResponse: packageInUse
  # The folder's path has a space and its drive keeps no short names, so Windows could not
  # start the screensaver from it; nothing was installed (see InstallationNotes).
  - InstallerReturnCode: 4
    ReturnResponse: custom
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
InstallationNotes: Windows starts a screen saver by a path without spaces. An install folder whose path has a space, on a drive that keeps no short names, is refused with exit code 4 and nothing is installed; choose a folder without spaces.
ManifestType: defaultLocale
ManifestVersion: 1.6.0
EOF_LOCALE
echo "winget: manifest of $version in $out"
