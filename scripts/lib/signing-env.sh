# Sourced by the scripts that sign (release.sh, make-installer.sh, sign.sh), first thing, in
# the caller's directory: the signing settings that name files become absolute paths, so a
# relative one means the same file however deep the signing step runs.
#   WAVORIN_SIGN_PKCS12         PKCS#12 file holding the certificate and its key, or
#   WAVORIN_SIGN_PKCS11_KEY     PKCS#11 URI of the key on a token (pkcs11:token=...;object=...)
#     with WAVORIN_SIGN_CERT      the certificate (PEM or DER) and
#          WAVORIN_SIGN_PKCS11_MODULE  the token's PKCS#11 module (a .so)
#   WAVORIN_SIGN_PASSWORD_FILE  file whose first line is the password or PIN, or
#   WAVORIN_SIGN_PASSWORD       the password or PIN itself (both optional)
#   WAVORIN_SIGN_TIMESTAMP_URL  RFC 3161 time-stamp authority (default in sign.sh), "none" for none
for _setting in WAVORIN_SIGN_PKCS12 WAVORIN_SIGN_CERT WAVORIN_SIGN_PKCS11_MODULE WAVORIN_SIGN_PASSWORD_FILE; do
  if [ -n "${!_setting:-}" ] && [[ "${!_setting}" != /* ]]; then
    export "$_setting=$PWD/${!_setting}"
  fi
done
unset _setting
# Whether a signing key is given at all.
signing_wanted() { [ -n "${WAVORIN_SIGN_PKCS12:-}${WAVORIN_SIGN_PKCS11_KEY:-}" ]; }
