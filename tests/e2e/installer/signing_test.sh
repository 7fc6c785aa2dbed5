#!/usr/bin/env bash
# A release signed with a throwaway self-signed certificate and time-stamped by a throwaway
# authority on 127.0.0.1: the pair, the installer, and the programs the installer puts down
# (the pair and the uninstaller it carries) each carry a signature osslsigncode verifies
# against that certificate at a time after it has expired, which only the time stamp allows;
# an unsigned program does not. The same through a PKCS#11 token (SoftHSM). The certificate
# and the password file are named by paths relative to the caller's directory.
# Usage: signing_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
e2e_setup "$1"
scratch=$2
source_dir=$(cd "$(dirname "$0")/../../.." && pwd)
rm -rf "$scratch" && mkdir -p "$scratch/tsa" "$scratch/tokens" && cd "$scratch"
"$(dirname "$0")/timestamp_authority.py" tsa & started+=($!)
wait_until 300 test -s tsa/tsa.port || fail "the time-stamp authority did not start"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Wavorin signing test" \
  -keyout key.pem -out cert.pem 2>/dev/null
openssl pkcs12 -export -inkey key.pem -in cert.pem -passout pass:test -out signing.p12
echo test > password
export WAVORIN_SIGN_PKCS12=signing.p12 WAVORIN_SIGN_PASSWORD_FILE=password
export WAVORIN_SIGN_TIMESTAMP_URL=http://127.0.0.1:$(cat tsa/tsa.port)
expired=$(date -d '+5 days' +%s)
signed() {
  osslsigncode verify -CAfile "$scratch/cert.pem" -TSA-CAfile "$scratch/tsa/tsa.crt" -time "$expired" -in "$1" \
    >"$scratch/verify.log" 2>&1
}
cp "$build/bin/Wavorin.scr" "$build/bin/Wavorin.dll" .
signed Wavorin.scr && fail "an unsigned program passes as signed"
"$source_dir/scripts/sign.sh" Wavorin.scr Wavorin.dll
version=$(strings -el "$build/bin/Wavorin.scr" | grep -A1 -x ProductVersion | tail -n1)
"$source_dir/scripts/make-installer.sh" Wavorin-setup.exe amd64-unicode "$version" Wavorin.scr \
  Wavorin.dll "$build/packaging/licence-page.txt" "$source_dir/host/assets/dialog/Wavorin.ico" \
  "$build/packaging/LICENSE.txt" "$build/packaging/THIRD-PARTY-NOTICES.txt"
for file in Wavorin.scr Wavorin.dll Wavorin-setup.exe; do signed "$file" || fail "$file is not signed and time-stamped: $(tail -n3 verify.log)"; done
grep -m1 'Timestamp time' verify.log

# The key on a PKCS#11 token, its PIN in the environment.
export SOFTHSM2_CONF=$scratch/softhsm2.conf
echo "directories.tokendir = $scratch/tokens" > "$SOFTHSM2_CONF"
softhsm2-util --init-token --free --label wavorin-test --pin 1234 --so-pin 4321 >/dev/null
softhsm2-util --import key.pem --token wavorin-test --label signing --id 01 --pin 1234 >/dev/null
cp "$build/bin/Wavorin.dll" token-signed.dll
env -u WAVORIN_SIGN_PKCS12 -u WAVORIN_SIGN_PASSWORD_FILE WAVORIN_SIGN_PASSWORD=1234 WAVORIN_SIGN_CERT=cert.pem \
  WAVORIN_SIGN_PKCS11_KEY='pkcs11:token=wavorin-test;object=signing;type=private' \
  WAVORIN_SIGN_PKCS11_MODULE=/usr/lib/softhsm/libsofthsm2.so "$source_dir/scripts/sign.sh" token-signed.dll
signed token-signed.dll || fail "the program signed through the token is not signed and time-stamped: $(tail -n3 verify.log)"

# What the signed installer puts down.
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wavorin'
wine_run reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
dir="$(wine_run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')\\Programs\\Wavorin"
dir_unix=$(wine_run winepath -u "$dir" | tr -d '\r')
rm -rf "$dir_unix"
wine_run "$scratch/Wavorin-setup.exe" /S || fail "the signed installer's exit code was $?"
for file in Wavorin.scr Wavorin.dll Uninstall.exe; do signed "$dir_unix/$file" || fail "the installed $file is not signed"; done
wine_run "$dir\\Uninstall.exe" /S || fail "the signed uninstaller's exit code was $?"
key_gone() { ! wine_run reg query "$uninstall_key" >/dev/null 2>&1; }
wait_until 300 key_gone || fail "the signed uninstaller left its entry"
e2e_finish "signed: the pair, the installer and what it installs"
