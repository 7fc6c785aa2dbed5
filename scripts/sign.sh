#!/usr/bin/env bash
# Signs Windows programs in place (Authenticode, SHA-256) with the certificate and key in the
# PKCS#12 file $WAVORIN_SIGN_PKCS12, whose password is $WAVORIN_SIGN_PASSWORD (may be empty).
# Without $WAVORIN_SIGN_PKCS12 it leaves the files as they are.
# Usage: scripts/sign.sh FILE...
set -euo pipefail
[ -n "${WAVORIN_SIGN_PKCS12:-}" ] || exit 0
for file in "$@"; do
  osslsigncode sign -pkcs12 "$WAVORIN_SIGN_PKCS12" -pass "${WAVORIN_SIGN_PASSWORD:-}" -h sha256 \
    -n Wavorin -i https://wavorin.example/ -in "$file" -out "$file.signed" >/dev/null
  mv -f "$file.signed" "$file"
done
