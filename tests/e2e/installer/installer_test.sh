#!/usr/bin/env bash
# The installer run silently for the current user, then the screensaver it installed run and
# ended with Esc, then the silent uninstall; the registry is read back with Wine's own reg.
# Usage: installer_test.sh BUILD_DIR INSTALLER
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
build=$(cd "$1" && pwd)
installer=$2
. "$(dirname "$0")/../../../scripts/lib/wine-env.sh"
wine_env "$build"
display_ensure 1280x1024
trap display_stop EXIT

desktop='HKCU\Control Panel\Desktop'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wavorin'
previous='C:\windows\system32\previous.scr'

# reg_value KEY NAME: the value's data as reg query prints it; fails when there is none.
reg_value() {
  local out
  out=$(wine_run reg query "$1" /v "$2" 2>/dev/null | tr -d '\r') || return 1
  sed -n "s/^ *$2 *REG_[A-Z_]* *//p" <<<"$out"
}
unix_path() { wine_run winepath -u "$1" 2>/dev/null | tr -d '\r'; }
key_exists() { wine_run reg query "$uninstall_key" >/dev/null 2>&1; }

# A screensaver chosen before ours, and no trace of an earlier install.
wine_run reg add "$desktop" /v SCRNSAVE.EXE /d "$previous" /f >/dev/null
wine_run reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
local_app_data=$(wine_run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')
dir="$local_app_data\\Programs\\Wavorin"
dir_unix=$(unix_path "$dir")
rm -rf "$dir_unix"

wine_run "$installer" /S || fail "the silent install's exit code was $?"

for file in Wavorin.scr Wavorin.dll; do
  cmp -s "$build/bin/$file" "$dir_unix/$file" || fail "$file not installed in $dir"
done
[ -f "$dir_unix/Uninstall.exe" ] || fail "no Uninstall.exe in $dir"

# Selected as the screensaver by a short path (8.3 names, no spaces) to the installed host.
screensaver=$(reg_value "$desktop" SCRNSAVE.EXE) || fail "no SCRNSAVE.EXE"
[[ "$screensaver" =~ ^[A-Za-z]:(\\[^\\\ .]{1,8}(\.[^\\\ .]{1,3})?)+$ ]] || fail "SCRNSAVE.EXE is not a short path: $screensaver"
[ "$(unix_path "$screensaver")" -ef "$dir_unix/Wavorin.scr" ] || fail "SCRNSAVE.EXE names $screensaver"

# The entry in the user's list of installed programs; its version is the programs' own.
product_version=$(strings -el "$dir_unix/Wavorin.scr" | grep -A1 -x ProductVersion | tail -n1)
expect_value() {
  local data
  data=$(reg_value "$uninstall_key" "$1") || { fail "no $1 in the Uninstall key"; return; }
  [ "$data" = "$2" ] || fail "$1 is \"$data\", not \"$2\""
}
expect_value DisplayName Wavorin
expect_value DisplayVersion "$product_version"
expect_value Publisher 'the Wavorin authors'
expect_value DisplayIcon "$dir\\Wavorin.scr,0"
expect_value UninstallString "\"$dir\\Uninstall.exe\""
expect_value QuietUninstallString "\"$dir\\Uninstall.exe\" /S"
size=$(reg_value "$uninstall_key" EstimatedSize) || size=0
installed_kib=$(du -sk "$dir_unix" | cut -f1)
(( size > 0 && size <= installed_kib )) || fail "EstimatedSize $size for $installed_kib KiB"

# The installed screensaver runs and ends with Esc.
wine_run "$dir\\Wavorin.scr" /s >/dev/null 2>&1 &
host=$!
window=$(renderer_window 150) || true
[ -n "$window" ] || fail "the installed screensaver showed no renderer window"
[ -n "$window" ] && { xdotool windowfocus --sync "$window" key Escape || fail "no Esc for the renderer"; }
for _ in $(seq 60); do kill -0 "$host" 2>/dev/null || break; sleep 0.1; done
kill -0 "$host" 2>/dev/null && { fail "the installed screensaver did not end after Esc"; kill "$host"; }
wait "$host" || fail "the installed screensaver's exit code was $?"
# The renderer's process may still be closing after its window has gone.
renderer_running() {
  local pid
  for pid in $(pgrep -f 'Wavorin\.dll'); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && return 0
  done
  return 1
}
for _ in $(seq 100); do renderer_running || break; sleep 0.1; done
settings=$WINEPREFIX/drive_c/vetsu_temp/Wavorin.ini
[ -f "$settings" ] || fail "the run left no settings file"

# The silent uninstall as an administrator runs it; the uninstaller finishes from a copy of
# itself, so wait for its last step: the Uninstall key goes.
wine_run "$dir\\Uninstall.exe" /S || fail "the silent uninstall's exit code was $?"
for _ in $(seq 60); do key_exists || break; sleep 0.5; done
key_exists && fail "the Uninstall key remains"
[ -e "$dir_unix" ] && fail "$dir remains: $(ls "$dir_unix")"
[ "$(reg_value "$desktop" SCRNSAVE.EXE)" = "$previous" ] || fail "SCRNSAVE.EXE is not restored"
for snapshot in Zelvane1.alo Zelvane2.alo; do
  [ -e "$WINEPREFIX/drive_c/vetsu_temp/$snapshot" ] && fail "$snapshot remains"
done
[ -f "$settings" ] || fail "the silent uninstall removed the settings file"

e2e_finish "installed, run and removed"
