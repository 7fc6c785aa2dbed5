#!/usr/bin/env bash
# The winget manifest against the installers it describes: every field the manifest schema
# (1.6.0) requires, one package and version in all three files, the version the installers
# carry, and each installer's own SHA-256 and file name.
# Usage: winget_manifest_test.sh MANIFEST_DIR WIN32_SETUP.exe WIN64_SETUP.exe
set -euo pipefail
dir=$1 setup32=$2 setup64=$3
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }
# value FILE KEY: the scalar of a top-level key.
value() { sed -n "s/^$2: *//p" "$1" | head -n1; }

version_file=$dir/Wavorin.Wavorin.yaml
installer_file=$dir/Wavorin.Wavorin.installer.yaml
locale_file=$dir/Wavorin.Wavorin.locale.en-US.yaml
for file in "$version_file" "$installer_file" "$locale_file"; do [ -s "$file" ] || { fail "no $file"; exit 1; }; done

check_required() {  # check_required FILE MANIFEST_TYPE KEY...
  local file=$1 type=$2 key
  for key in "${@:3}"; do grep -q "^$key:" "$file" || fail "$(basename "$file") has no $key"; done
  [ "$(value "$file" ManifestType)" = "$type" ] || fail "$(basename "$file") is not of type $type"
  [ "$(value "$file" ManifestVersion)" = 1.6.0 ] || fail "$(basename "$file") is not manifest version 1.6.0"
}
check_required "$version_file" version PackageIdentifier PackageVersion DefaultLocale ManifestType ManifestVersion
check_required "$installer_file" installer PackageIdentifier PackageVersion Installers ManifestType ManifestVersion
check_required "$locale_file" defaultLocale PackageIdentifier PackageVersion PackageLocale Publisher PackageName \
  License ShortDescription ManifestType ManifestVersion
[ "$(value "$version_file" DefaultLocale)" = "$(value "$locale_file" PackageLocale)" ] || fail "the default locale has no file"

# One package, at the version both installers carry in their version resource.
installed_version=$(strings -el "$setup64" | grep -A1 -x ProductVersion | tail -n1)
[ -n "$installed_version" ] || fail "the 64-bit installer carries no ProductVersion"
[ "$(strings -el "$setup32" | grep -A1 -x ProductVersion | tail -n1)" = "$installed_version" ] || fail "the installers' versions differ"
for file in "$version_file" "$installer_file" "$locale_file"; do
  [ "$(value "$file" PackageIdentifier)" = Wavorin.Wavorin ] || fail "$(basename "$file") names another package"
  [ "$(value "$file" PackageVersion)" = "$installed_version" ] || fail "$(basename "$file") gives version $(value "$file" PackageVersion), the installers $installed_version"
done

# The installers: per-user NSIS, silent, upgraded by installing over.
for pair in InstallerType:nullsoft Scope:user UpgradeBehavior:install; do
  [ "$(value "$installer_file" "${pair%%:*}")" = "${pair#*:}" ] || fail "$(basename "$installer_file"): ${pair%%:*} is not ${pair#*:}"
done
grep -q '^  Silent: /S$' "$installer_file" || fail "no silent switch"
# Each entry: its architecture, an address ending in the file's name, and the file's own hash.
entry() {  # entry ARCHITECTURE FIELD
  awk -v arch="$1" -v field="$2" '$1 == "-" && $2 == "Architecture:" { current = $3 }
    current == arch && $1 == field ":" { print $2; exit }' "$installer_file"
}
for row in "x86 $setup32" "x64 $setup64"; do
  read -r arch setup <<<"$row"
  [ "$(entry "$arch" InstallerUrl | sed 's|.*/||')" = "$(basename "$setup")" ] || fail "the $arch address does not name $(basename "$setup")"
  expected=$(sha256sum "$setup" | cut -d' ' -f1)
  [ "$(entry "$arch" InstallerSha256 | tr A-F a-f)" = "$expected" ] || fail "the $arch hash is not that of $(basename "$setup")"
done
[ $failures = 0 ] && echo "winget manifest: matches both installers"
exit $((failures > 0))
