#!/usr/bin/env bash
# Makes the installer of one Wavorin pair (packaging/Wavorin.nsi). With $WAVORIN_SIGN_PKCS12
# set, the uninstaller it carries and the installer itself are signed (scripts/sign.sh); the
# pair should be signed before.
# Usage: scripts/make-installer.sh OUTFILE NSIS_TARGET VERSION HOST RENDERER LICENCE ICON
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
signing=()
if [ -n "${WAVORIN_SIGN_PKCS12:-}" ]; then
  signing=("-DSIGN=$here/sign.sh")
fi
mkdir -p "$(dirname "$1")"
makensis -V2 -INPUTCHARSET UTF8 -DOUTFILE="$1" -DTARGET="$2" -DVERSION="$3" -DHOST="$4" -DRENDERER="$5" \
  -DLICENCE="$6" -DICON="$7" "${signing[@]}" "$here/../packaging/Wavorin.nsi"
