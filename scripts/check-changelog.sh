#!/usr/bin/env bash
# Checks CHANGELOG.md against the version the build wrote: its first entry is that version, and
# every entry's version is newer than the one below it.
# Usage: scripts/check-changelog.sh VERSION_FILE
set -euo pipefail
version=$(cat "$1")
changelog=$(dirname "$0")/../CHANGELOG.md
versions=$(sed -n 's/^## \([0-9][0-9.]*\)\( .*\)\{0,1\}$/\1/p' "$changelog")
[ "$(head -n1 <<<"$versions")" = "$version" ] ||
  { echo "CHANGELOG.md: the first entry is \"$(head -n1 <<<"$versions")\", the build's version $version"; exit 1; }
[ "$(sort -r -V <<<"$versions" | uniq)" = "$versions" ] ||
  { echo "CHANGELOG.md: the entries are not newest first, each once: $(tr '\n' ' ' <<<"$versions")"; exit 1; }
echo "changelog: its first entry is $version"
