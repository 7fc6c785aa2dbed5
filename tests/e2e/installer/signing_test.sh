#!/usr/bin/env bash
# A release signed with a throwaway self-signed certificate: the pair, the installer, and the
# programs the installer puts down (the pair and the uninstaller it carries) each carry a
# signature osslsigncode verifies against that certificate; an unsigned program does not.
# Usage: signing_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
e2e_setup "$1"
scratch=$2
source_dir=$(cd "$(dirname "$0")/../../.." && pwd)
rm -rf "$scratch" && mkdir -p "$scratch"
openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Wavorin signing test" \
  -keyout "$scratch/key.pem" -out "$scratch/cert.pem" 2>/dev/null
openssl pkcs12 -export -inkey "$scratch/key.pem" -in "$scratch/cert.pem" -passout pass:test -out "$scratch/signing.p12"
export WAVORIN_SIGN_PKCS12=$scratch/signing.p12 WAVORIN_SIGN_PASSWORD=test
signed() { osslsigncode verify -CAfile "$scratch/cert.pem" -in "$1" >/dev/null 2>&1; }

cp "$build/bin/Wavorin.scr" "$build/bin/Wavorin.dll" "$scratch/"
signed "$scratch/Wavorin.scr" && fail "an unsigned program passes as signed"
"$source_dir/scripts/sign.sh" "$scratch/Wavorin.scr" "$scratch/Wavorin.dll"
version=$(strings -el "$build/bin/Wavorin.scr" | grep -A1 -x ProductVersion | tail -n1)
"$source_dir/scripts/make-installer.sh" "$scratch/setup.exe" amd64-unicode "$version" "$scratch/Wavorin.scr" \
  "$scratch/Wavorin.dll" "$build/packaging/licence-page.txt" "$source_dir/host/assets/dialog/Wavorin.ico"
for file in Wavorin.scr Wavorin.dll setup.exe; do signed "$scratch/$file" || fail "$file is not signed"; done

# What the signed installer puts down.
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wavorin'
wine_run reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
dir="$(wine_run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')\\Programs\\Wavorin"
dir_unix=$(wine_run winepath -u "$dir" | tr -d '\r')
rm -rf "$dir_unix"
wine_run "$scratch/setup.exe" /S || fail "the signed installer's exit code was $?"
for file in Wavorin.scr Wavorin.dll Uninstall.exe; do signed "$dir_unix/$file" || fail "the installed $file is not signed"; done
wine_run "$dir\\Uninstall.exe" /S || fail "the signed uninstaller's exit code was $?"
key_gone() { ! wine_run reg query "$uninstall_key" >/dev/null 2>&1; }
wait_until 300 key_gone || fail "the signed uninstaller left its entry"
e2e_finish "signed: the pair, the installer and what it installs"
