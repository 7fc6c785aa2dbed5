#!/usr/bin/env bash
# Installs every Debian package the project needs to build and test.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  googletest libgtest-dev libbenchmark-dev
  wine64 xvfb xserver-xephyr xserver-xorg-core xserver-xorg-video-dummy xauth xdotool x11-utils imagemagick
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  locales fonts-ipafont-gothic
  libosmesa6-dev libglu1-mesa-dev libstb-dev
  cloc sox lame nsis osslsigncode openssl python3-yaml softhsm2 libengine-pkcs11-openssl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
echo "setup: ${#missing[@]} of the ${#packages[@]} packages the project needs are missing: ${missing[*]}"
echo "setup: reading the package lists (apt-get update)"
$sudo apt-get update -qq
install=(apt-get install -y --no-install-recommends "${missing[@]}")
# What that comes to with what the packages need, and how much to download.
total=$($sudo "${install[@]}" -s | grep -c '^Inst ' || true)
megabytes=$($sudo "${install[@]}" --print-uris -qq | awk '{ bytes += $3 } END { printf "%d", bytes / 1e6 }')
echo "setup: installing $total packages, $megabytes MB to download; on a fresh Debian 12 this takes" \
  "several minutes"
# One line a step, counted: each download, then each package set up.
$sudo "${install[@]}" -q -o Dpkg::Progress-Fancy=0 |
  awk -v total="$total" '
    /^Get:/ { printf "setup: [%d/%d] downloaded %s\n", ++fetched, total, $5; fflush() }
    /^Setting up / { printf "setup: [%d/%d] set up %s\n", ++done, total, $3; fflush() }
    /^(E|W):/ { print; fflush() }'
echo "setup: done"
