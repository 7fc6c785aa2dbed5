#!/usr/bin/env bash
# Silent install for the current user, a run of it, silent uninstall; the registry read back.
# Usage: installer_test.sh BUILD_DIR INSTALLER
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
e2e_setup "$1"
desktop='HKCU\Control Panel\Desktop'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wavorin'
previous='C:\windows\system32\previous.scr'
settings=$drive_c/vetsu_temp/Wavorin.ini
reg_value() { wine_run reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | grep .; }
unix_path() { wine_run winepath -u "$1" 2>/dev/null | tr -d '\r'; }
key_gone() { ! wine_run reg query "$uninstall_key" >/dev/null 2>&1; }

wine_run reg add "$desktop" /v SCRNSAVE.EXE /d "$previous" /f >/dev/null
wine_run reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
dir="$(wine_run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')\\Programs\\Wavorin"
dir_unix=$(unix_path "$dir")
rm -rf "$dir_unix"

wine_run "$2" /S || fail "the silent install's exit code was $?"
for file in Wavorin.scr Wavorin.dll; do cmp -s "$build/bin/$file" "$dir_unix/$file" || fail "$file not installed"; done
[ -f "$dir_unix/Uninstall.exe" ] || fail "no Uninstall.exe in $dir"
# Selected as the screensaver by a short path (8.3 names, no spaces) to the installed host.
screensaver=$(reg_value "$desktop" SCRNSAVE.EXE) || fail "no SCRNSAVE.EXE"
[[ "$screensaver" =~ ^[A-Za-z]:(\\[^\\\ .]{1,8}(\.[^\\\ .]{1,3})?)+$ ]] || fail "SCRNSAVE.EXE is not a short path: $screensaver"
[ "$(unix_path "$screensaver")" -ef "$dir_unix/Wavorin.scr" ] || fail "SCRNSAVE.EXE names $screensaver"
# The entry in the user's list of programs.
version=$(strings -el "$dir_unix/Wavorin.scr" | grep -A1 -x ProductVersion | tail -n1)
while IFS='|' read -r name expected; do
  data=$(reg_value "$uninstall_key" "$name") || true
  [ "$data" = "$expected" ] || fail "$name is \"$data\", not \"$expected\""
done <<EOF_VALUES
DisplayName|Wavorin
DisplayVersion|$version
Publisher|the Wavorin authors
DisplayIcon|$dir\\Wavorin.scr,0
UninstallString|"$dir\\Uninstall.exe"
QuietUninstallString|"$dir\\Uninstall.exe" /S
EOF_VALUES
size=$(reg_value "$uninstall_key" EstimatedSize) || size=0
(( size > 0 && size <= $(du -sk "$dir_unix" | cut -f1) )) || fail "EstimatedSize $size"

start "$dir\\Wavorin.scr" /s
window=$(wait_until 600 shown) || true
[ -n "$window" ] || fail "the installed screensaver showed no renderer window"
renderer=$(xdotool getwindowpid "$window" 2>/dev/null) || true
end_with_esc "the installed screensaver"
[ -z "$renderer" ] || wait_until 300 gone "$renderer" || fail "the renderer did not end"
[ -f "$settings" ] || fail "the run left no settings file"

# The uninstaller finishes from a copy of itself: its last step is removing the key.
wine_run "$dir\\Uninstall.exe" /S || fail "the silent uninstall's exit code was $?"
wait_until 300 key_gone || fail "the Uninstall key remains"
[ ! -e "$dir_unix" ] || fail "$dir remains: $(ls "$dir_unix")"
[ "$(reg_value "$desktop" SCRNSAVE.EXE)" = "$previous" ] || fail "SCRNSAVE.EXE is not restored"
for snapshot in Zelvane1.alo Zelvane2.alo; do [ ! -e "$drive_c/vetsu_temp/$snapshot" ] || fail "$snapshot remains"; done
[ -f "$settings" ] || fail "the silent uninstall removed the settings file"
e2e_finish "installed, run and removed"
