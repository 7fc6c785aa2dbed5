#!/usr/bin/env bash
# Signs Windows programs in place (Authenticode, SHA-256) and has each signature time-stamped
# (RFC 3161), so it stays valid after the certificate expires. The key comes from a PKCS#12
# file or from a PKCS#11 token (a hardware token or a cloud keystore's PKCS#11 module); see
# scripts/lib/signing-env.sh for the settings. The password or PIN is handed to osslsigncode
# on its standard input, never on a command line, where every process could read it.
# Without a key it leaves the files as they are.
# Usage: scripts/sign.sh FILE...
set -euo pipefail
. "$(dirname "$0")/lib/signing-env.sh"
signing_wanted || exit 0
# A public authority that answers RFC 3161 requests over HTTP and needs no account.
timestamp_url=${WAVORIN_SIGN_TIMESTAMP_URL:-http://timestamp.digicert.com}
pkcs11_engine=${WAVORIN_SIGN_PKCS11_ENGINE:-/usr/lib/x86_64-linux-gnu/engines-3/pkcs11.so}

if [ -n "${WAVORIN_SIGN_PKCS12:-}" ]; then
  key=(-pkcs12 "$WAVORIN_SIGN_PKCS12")
else
  : "${WAVORIN_SIGN_CERT:?a PKCS#11 key needs its certificate in WAVORIN_SIGN_CERT}"
  : "${WAVORIN_SIGN_PKCS11_MODULE:?a PKCS#11 key needs its module in WAVORIN_SIGN_PKCS11_MODULE}"
  key=(-pkcs11engine "$pkcs11_engine" -pkcs11module "$WAVORIN_SIGN_PKCS11_MODULE"
       -certs "$WAVORIN_SIGN_CERT" -key "$WAVORIN_SIGN_PKCS11_KEY")
fi
timestamp=()
[ "$timestamp_url" = none ] || timestamp=(-ts "$timestamp_url")
password() {
  if [ -n "${WAVORIN_SIGN_PASSWORD_FILE:-}" ]; then head -n1 "$WAVORIN_SIGN_PASSWORD_FILE" | tr -d '\r\n'
  else printf '%s' "${WAVORIN_SIGN_PASSWORD:-}"; fi
}
for file in "$@"; do
  password | osslsigncode sign "${key[@]}" -readpass - -h sha256 "${timestamp[@]}" \
    -n Wavorin -in "$file" -out "$file.signed" >/dev/null
  mv -f "$file.signed" "$file"
done
