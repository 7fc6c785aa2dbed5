#!/usr/bin/env bash
# Installs every Debian package the project needs to build and test.
# Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang libclang-rt-14-dev
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  googletest libgtest-dev libbenchmark-dev
  wine64 xvfb xserver-xephyr xauth xdotool x11-utils imagemagick
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  locales fonts-ipafont-gothic
  libosmesa6-dev libglu1-mesa-dev libstb-dev
  sox lame nsis osslsigncode openssl python3-yaml softhsm2 libengine-pkcs11-openssl
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "setup: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
