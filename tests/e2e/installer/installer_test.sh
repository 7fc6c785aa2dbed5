#!/usr/bin/env bash
# The installer as a user meets it: a silent first install that selects Wavorin and turns
# screensavers on, a run, the Start-menu shortcuts, an install and an uninstall refused while
# the preview runs from the folder, upgrades that keep the user's choice, and uninstalls that
# put back what they found. The registry and the files read back.
# Usage: installer_test.sh BUILD_DIR INSTALLER
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
e2e_setup "$1"
installer=$2
desktop='HKCU\Control Panel\Desktop'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Wavorin'
previous='C:\windows\system32\previous.scr'
other='C:\windows\system32\other.scr'
settings=$drive_c/vetsu_temp/Wavorin.ini
reg_value() { wine_run reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_[A-Z_]* *//p" | grep .; }
reg_set() { wine_run reg add "$1" /v "$2" /d "$3" /f >/dev/null; }
unix_path() { wine_run winepath -u "$1" 2>/dev/null | tr -d '\r'; }
key_gone() { ! wine_run reg query "$uninstall_key" >/dev/null 2>&1; }
# What the running system says of screensavers on or off.
spi_active() { wine_run "$build/tests/screensaver_probe.exe" | tr -d '\r'; }
selected() { reg_value "$desktop" SCRNSAVE.EXE || true; }
install() { wine_run "$installer" /S; }
# expect_code CODE WHAT COMMAND...: COMMAND ends with exit code CODE.
expect_code() { local code=0; "${@:3}" || code=$?; [ "$code" = "$1" ] || fail "$2: exit code $code, not $1"; }
# As a package manager uninstalls: the registered quiet command, its quoted program run with
# the arguments after it, and waited for.
quiet_uninstall() {
  local command program arguments
  command=$(reg_value "$uninstall_key" QuietUninstallString) || return 99
  program=${command#\"} && program=${program%%\"*}
  read -r -a arguments <<<"${command#\"$program\"}"
  wine_run "$program" "${arguments[@]}"
}
# uninstalled WHAT: once the quiet uninstall has returned, the programs and the entry are gone;
# the uninstaller's own file and the folder follow as soon as it has ended.
uninstalled() {
  key_gone || fail "$1: the Uninstall entry remains"
  for file in Wavorin.scr Wavorin.dll; do [ ! -e "$dir_unix/$file" ] || fail "$1: $file remains"; done
  wait_until 100 eval '[ ! -e "$dir_unix" ]' || fail "$1: $dir remains: $(ls "$dir_unix")"
}

reg_set "$desktop" SCRNSAVE.EXE "$previous"
reg_set "$desktop" ScreenSaveActive 0  # as "(None)" leaves it
wine_run reg delete "$uninstall_key" /f >/dev/null 2>&1 || true
dir="$(wine_run cmd /c 'echo %LOCALAPPDATA%' | tr -d '\r')\\Programs\\Wavorin"
dir_unix=$(unix_path "$dir")
menu_unix=$(unix_path "$(wine_run cmd /c 'echo %APPDATA%' | tr -d '\r')\\Microsoft\\Windows\\Start Menu\\Programs\\Wavorin")
rm -rf "$dir_unix" "$menu_unix"

# A first install selects Wavorin and turns screensavers on.
expect_code 0 "the silent install" install
for file in bin/Wavorin.scr bin/Wavorin.dll packaging/LICENSE.txt packaging/THIRD-PARTY-NOTICES.txt; do
  cmp -s "$build/$file" "$dir_unix/${file#*/}" || fail "${file#*/} not installed"
done
[ -f "$dir_unix/Uninstall.exe" ] || fail "no Uninstall.exe in $dir"
# Selected by a short path (8.3 names, no spaces) to the installed host.
screensaver=$(selected)
[[ "$screensaver" =~ ^[A-Za-z]:(\\[^\\\ .]{1,8}(\.[^\\\ .]{1,3})?)+$ ]] || fail "SCRNSAVE.EXE is not a short path: $screensaver"
[ "$(unix_path "$screensaver")" -ef "$dir_unix/Wavorin.scr" ] || fail "SCRNSAVE.EXE names $screensaver"
[ "$(reg_value "$desktop" ScreenSaveActive)" = 1 ] || fail "ScreenSaveActive is not 1 after the install"
[ "$(spi_active)" = 1 ] || fail "the running system has screensavers off after the install"
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
UninstallString|"$dir\\Uninstall.exe" _?=$dir
QuietUninstallString|"$dir\\Uninstall.exe" /S _?=$dir
EOF_VALUES
# The package manager knows the install by the key its manifest names.
WAVORIN_RELEASE_URL=https://localhost "$(dirname "$0")/../../../scripts/winget-manifest.sh" "$build/tests/winget" \
  "$build/version/VERSION" "$installer" "$installer" >/dev/null
product_code=$(sed -n 's/^ProductCode: //p' "$build/tests/winget/Wavorin.Wavorin.installer.yaml")
[ -n "$product_code" ] && [ "$(reg_value "HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\\$product_code" DisplayName)" = Wavorin ] ||
  fail "the manifest's ProductCode \"$product_code\" names no Uninstall entry the installer wrote"
size=$(reg_value "$uninstall_key" EstimatedSize) || size=0
(( size > 0 && size <= $(du -sk "$dir_unix" | cut -f1) )) || fail "EstimatedSize $size"

# The Start-menu folder: choosing Wavorin again the platform's way, and its settings.
shortcuts=("$menu_unix"/*.lnk)
[ ${#shortcuts[@]} = 2 ] && [ -f "${shortcuts[0]}" ] || fail "the Start-menu folder holds ${#shortcuts[@]} shortcuts"
links=$(for link in "${shortcuts[@]}"; do
  wine_run "$build/tests/shortcut_probe.exe" "$(wine_run winepath -w "$link" | tr -d '\r')" | tr -d '\r' || true; done)
grep -qixF "C:\windows\system32\rundll32.exe|desk.cpl,InstallScreenSaver $dir\Wavorin.scr" <<<"$links" ||
  fail "no shortcut selects the installed host in the platform's way: $links"
grep -qixF "$dir\Wavorin.scr|/c" <<<"$links" || fail "no shortcut opens the settings: $links"

start "$dir\\Wavorin.scr" /s
window=$(wait_until 600 shown) || true
[ -n "$window" ] || fail "the installed screensaver showed no renderer window"
renderer=$(xdotool getwindowpid "$window" 2>/dev/null) || fail "no process owns the renderer's window"
end_with_esc "the installed screensaver"
wait_until 300 gone "$renderer" || fail "the renderer did not end"
[ -f "$settings" ] || fail "the run left no settings file"

# While the preview runs from the folder, neither an install nor an uninstall changes
# anything, and both fail. A marked renderer and version show that nothing was replaced.
printf 'marked' >> "$dir_unix/Wavorin.dll"
cp "$dir_unix/Wavorin.dll" "$build/tests/marked.dll"
reg_set "$uninstall_key" DisplayVersion 0.9
start "$build/tools/PreviewPane.exe" "$dir\\Wavorin.scr" 120
preview=$host
previewing() { pgrep -f 'Wavorin\.scr /p' >/dev/null; }
wait_until 300 previewing || fail "the preview did not start"
expect_code 3 "an install while the preview runs" install
cmp -s "$dir_unix/Wavorin.dll" "$build/tests/marked.dll" || fail "an install while the preview runs replaced the renderer"
[ "$(reg_value "$uninstall_key" DisplayVersion)" = 0.9 ] || fail "an install while the preview runs recorded its version"
# refused_uninstall WHAT: the quiet uninstall ends with 3 and removes nothing.
refused_uninstall() {
  expect_code 3 "$1" quiet_uninstall
  for file in Wavorin.scr Wavorin.dll Uninstall.exe; do [ -f "$dir_unix/$file" ] || fail "$1 removed $file"; done
  ! key_gone || fail "$1 removed the Uninstall entry"
}
refused_uninstall "an uninstall while the preview runs"
# The pane closes as a window closes; the preview ends with it.
wine_run taskkill /IM PreviewPane.exe >/dev/null 2>&1 || true
wait_until 300 eval '! previewing' || fail "the preview did not end with its pane"
wait_until 300 gone "$preview" || stop "$preview"
expect_code 0 "the install after the preview ended" install
cmp -s "$build/bin/Wavorin.dll" "$dir_unix/Wavorin.dll" || fail "the install after the preview ended left the old renderer"
[ "$(reg_value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "the install after the preview ended kept the old version"

# The settings dialog open from the folder holds the host as well.
start "$dir\\Wavorin.scr" /c
wait_until 300 window_named '^■Wavorin■$' >/dev/null || fail "the settings dialog did not open"
refused_uninstall "an uninstall while the settings dialog is open"
w=$(window_named '^■Wavorin■$') && xdotool windowfocus --sync "$w" key Escape
wait_until 300 gone "$host" || fail "the settings dialog did not close with Esc"

# An upgrade keeps Wavorin selected when it is, by its long path as well.
reg_set "$desktop" SCRNSAVE.EXE "$dir\\Wavorin.scr"
expect_code 0 "the upgrade" install
[ "$(unix_path "$(selected)")" -ef "$dir_unix/Wavorin.scr" ] || fail "an upgrade unselected Wavorin: $(selected)"

# Uninstalling while Wavorin is selected puts back the screensaver and the off state found,
# and keeps the settings but not what interrupted saves left beside them.
touch "$settings.pending" "$drive_c/vetsu_temp/Wavorin.ini.0123456789abcdef.tmp"
expect_code 0 "the quiet uninstall" quiet_uninstall
uninstalled "the quiet uninstall"
[ ! -e "$menu_unix" ] || fail "the Start-menu folder remains: $(ls "$menu_unix")"
[ "$(selected)" = "$previous" ] || fail "SCRNSAVE.EXE is not restored: $(selected)"
[ "$(reg_value "$desktop" ScreenSaveActive)" = 0 ] || fail "ScreenSaveActive is not 0 again after the uninstall"
[ "$(spi_active)" = 0 ] || fail "the running system has screensavers on after the uninstall"
for snapshot in Zelvane1.alo Zelvane2.alo; do [ ! -e "$drive_c/vetsu_temp/$snapshot" ] || fail "$snapshot remains"; done
[ -f "$settings" ] || fail "the silent uninstall removed the settings file"
[ -z "$(ls "$drive_c/vetsu_temp" | grep -v -x Wavorin.ini)" ] || fail "the uninstall left $(ls "$drive_c/vetsu_temp")"

# The user chooses another screensaver after installing: an upgrade and an uninstall keep it.
# The upgrade leaves the shortcuts of its own language alone, whichever the earlier one spoke.
expect_code 0 "the second first install" install
reg_set "$desktop" SCRNSAVE.EXE "$other"
for name in "Choose Wavorin as the screen saver" "Wavorin settings" "Wavorin をスクリーン セーバーに選ぶ" "Wavorin の設定"; do
  cp -n "${shortcuts[0]}" "$menu_unix/$name.lnk"
done
expect_code 0 "the upgrade" install
[ "$(selected)" = "$other" ] || fail "an upgrade selected Wavorin over the user's choice: $(selected)"
[ "$(ls "$menu_unix")" = "$(printf '%s\n' "${shortcuts[@]##*/}")" ] || fail "the upgrade left the shortcuts $(ls "$menu_unix")"
# A save stranded without its settings file is the settings, moved in, not removed.
rm "$settings" && echo stranded > "$settings.pending"
expect_code 0 "the last uninstall" quiet_uninstall
uninstalled "the last uninstall"
[ "$(selected)" = "$other" ] || fail "the uninstall replaced the user's choice: $(selected)"
[ "$(cat "$settings")" = stranded ] && [ ! -e "$settings.pending" ] || fail "the stranded save was not moved in"

# A folder with a space that has no short name (here: one whose name is too long to be made)
# is refused before anything is written.
expect_code 4 "an install into a folder without a short name" wine_run cmd /c \
  "$(wine_run winepath -w "$installer" | tr -d '\r') /S /D=C:\No short name\\$(printf 'a%.0s' $(seq 300))"
key_gone || fail "the refused install wrote its entry"
[ "$(selected)" = "$other" ] || fail "the refused install selected $(selected)"
[ ! -e "$drive_c/No short name" ] || fail "the refused install left C:\No short name"

# An upgrade into a folder chosen with a space in its name moves the copy there, still
# selected, and SCRNSAVE.EXE holds no space.
spaced='C:\Wavorin test\Screen savers'
spaced_unix=$(unix_path "$spaced")
rm -rf "$(dirname "$spaced_unix")"
expect_code 0 "the install before the move" install
# NSIS takes the rest of the command line after /D= as it stands, unquoted.
wine_run cmd /c "$(wine_run winepath -w "$installer" | tr -d '\r') /S /D=$spaced" || fail "the install into \"$spaced\" failed with $?"
screensaver=$(selected)
[[ "$screensaver" != *" "* ]] || fail "SCRNSAVE.EXE holds a space: $screensaver"
[ "$(unix_path "$screensaver")" -ef "$spaced_unix/Wavorin.scr" ] || fail "SCRNSAVE.EXE names $screensaver, not the install in \"$spaced\""
[ ! -e "$dir_unix" ] || fail "the move left $dir: $(ls "$dir_unix")"
[ "$(reg_value "$uninstall_key" InstallLocation)" = "$spaced" ] || fail "the entry names $(reg_value "$uninstall_key" InstallLocation)"
wine_run "$spaced\\Uninstall.exe" /S || fail "the uninstall from \"$spaced\" failed with $?"
wait_until 300 key_gone || fail "the Uninstall key remains after the uninstall from \"$spaced\""
rm -rf "$(dirname "$spaced_unix")"
e2e_finish "installed, refused while running, upgraded and removed"
