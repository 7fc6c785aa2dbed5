#!/usr/bin/env bash
# Makes the installer of one Wavorin pair (packaging/Wavorin.nsi). With a signing key (see
# scripts/lib/signing-env.sh), the uninstaller it carries and the installer itself are signed
# (scripts/sign.sh); the pair should be signed before.
# Usage: scripts/make-installer.sh OUTFILE NSIS_TARGET VERSION HOST RENDERER LICENCE_PAGE ICON LICENSE.txt NOTICES.txt
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib/signing-env.sh"
signing=()
if signing_wanted; then
  signing=("-DSIGN=$here/sign.sh")
fi
# makensis takes relative paths from the script's folder: every file as the caller means it.
file() { realpath -m -- "$1"; }
mkdir -p "$(dirname "$1")"
makensis -V2 -INPUTCHARSET UTF8 -DOUTFILE="$(file "$1")" -DTARGET="$2" -DVERSION="$3" -DHOST="$(file "$4")" \
  -DRENDERER="$(file "$5")" -DLICENCE="$(file "$6")" -DICON="$(file "$7")" \
  -DLICENCE_FILE="$(file "$8")" -DNOTICES="$(file "$9")" "${signing[@]}" "$here/../packaging/Wavorin.nsi"
