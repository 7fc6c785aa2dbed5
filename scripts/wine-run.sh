#!/usr/bin/env bash
# Runs a Windows program under 64-bit Wine with a build tree's private prefix.
# Usage: wine-run.sh BUILD_DIR PROGRAM.exe [ARGS...]   (the emulator of the win64 tests)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/wine-env.sh"

build=$1
shift
trap display_stop EXIT
wine_env "$build"
display_ensure 1280x1024
wine_run "$@"
