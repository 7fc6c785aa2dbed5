#!/usr/bin/env bash
# Builds the 64-bit pair and the helper programs it shows them with (nothing else) and shows
# them under Wine: on the current X display when there is one, else on a virtual screen,
# saving screenshots into a folder it prints. Stopped at any point (Ctrl+C), it leaves the
# Wine prefix it shares with the tests at 100 % scaling and no server of its own running.
#   1. the preview, embedded in a stand-in for the system's screensaver settings page;
#   2. a screensaver run (/s) over a sample desktop, ended by Esc, and the settings file;
#   3. the dialog controls in their gallery;
#   4. the settings dialog (/c) with each music source chosen, and at 150 % display scaling.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/wine-env.sh

scripts/setup.sh
cmake --preset win64 >/dev/null
cmake --build --preset win64 --target wavorin_host wavorin_renderer PreviewPane SampleDesktop ControlGallery

headless=0
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
  unset DISPLAY
  headless=1
fi
# 150 % display scaling, as Wine reads it at each program's start.
display_scale() {  # display_scale DOTS-PER-INCH
  wine_run reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
}
scaled=0
# Whatever stops the demo: the scaling put back, the servers it started ended.
trap '[ $scaled = 0 ] || display_scale 96; wine_server_stop; display_stop' EXIT
trap 'exit 130' INT TERM HUP
display_ensure 1280x1024
shots=$PWD/shots/$(date +%Y%m%d-%H%M%S)
mkdir -p "$shots"

wine_env build/win64
wine_server_start

snap() {  # snap NAME: a screenshot of the whole screen
  import -window root "$shots/$1.png" && echo "screenshot: $shots/$1.png"
}

# The pair as a user installs it, in a folder of its own on the Windows side.
install="$WINEPREFIX/drive_c/Wavorin"
mkdir -p "$install"
cp build/win64/bin/Wavorin.scr "$install/"
if [ -f build/win64/bin/Wavorin.dll ]; then
  cp build/win64/bin/Wavorin.dll "$install/"
else
  echo "placeholder: the renderer is not built yet" > "$install/Wavorin.dll"
fi

echo "== preview"
# The real embedding first; Wine leaves a pane empty when its child belongs to another
# process, so the same preview window is then shown hosted in-process as well.
show_preview() {  # show_preview SCREENSHOT-NAME PREVIEWPANE-ARGUMENT
  wine_run build/win64/tools/PreviewPane.exe "$2" 4 &
  local pane=$!
  sleep 3
  snap "$1"
  wait $pane
}
show_preview preview-embedded 'C:\Wavorin\Wavorin.scr'
show_preview preview-in-process --in-process

echo "== screensaver run"
# A real-looking desktop for the run to photograph; then /s as the system starts it, a
# screenshot of the running screensaver, and Esc as the user presses it.
wine_run build/win64/tools/SampleDesktop.exe 60 &
desktop=$!
sleep 2
wine_run 'C:\Wavorin\Wavorin.scr' /s &
host=$!
window=
for _ in $(seq 150); do
  window=$(xdotool search --name '^Zelvane_VC$' 2>/dev/null | head -n1) && [ -n "$window" ] && break
  sleep 0.1
done
sleep 3
snap screensaver
sleep 1.1
snap screensaver-later
[ -n "$window" ] && xdotool windowfocus --sync "$window" key Escape
wait $host && echo "the run ended with Esc"
kill $desktop 2>/dev/null; wait $desktop 2>/dev/null || true
echo "settings file C:\\vetsu_temp\\Wavorin.ini:"
iconv -f CP932 -t UTF-8 "$WINEPREFIX/drive_c/vetsu_temp/Wavorin.ini" | sed 's/^/    /'

echo "== dialog controls"
wine_run build/win64/bin/ControlGallery.exe 6 &
gallery=$!
sleep 3
snap controls
wait $gallery

echo "== settings dialog"
# The dialog as /c opens it over each stored music source; closed with Esc, which, like
# "ｷｬﾝｾﾙ", leaves the settings file as it was.
printf 'a stand-in for a music file' > "$install/sample.mp3"
show_dialog() {  # show_dialog SCREENSHOT-NAME SOURCE REPEAT-TRACK FILE
  printf '[Section]\r\nBGM\x8b\xe6\x95\xaa=%s\r\nBGM\xd8\xcb\xdf\xb0\xc4=%s\r\nBGM\xcc\xa7\xb2\xd9=%s\r\n' \
    "$2" "$3" "$4" > "$WINEPREFIX/drive_c/vetsu_temp/Wavorin.ini"
  wine_run 'C:\Wavorin\Wavorin.scr' /c &
  local host=$! dialog=
  for _ in $(seq 150); do
    dialog=$(xdotool search --onlyvisible --name '^■Wavorin■$' 2>/dev/null | head -n1) && [ -n "$dialog" ] && break
    sleep 0.1
  done
  sleep 3.2  # the banner's left box has run, the right one is on its way
  snap "$1"
  [ -n "$dialog" ] && xdotool windowfocus --sync "$dialog" key Escape
  wait $host
}
show_dialog dialog-none 0 0 ''
show_dialog dialog-cd 1 7 ''
show_dialog dialog-file 2 0 'C:\Wavorin\sample.mp3'
scaled=1
display_scale 144
show_dialog dialog-150 1 7 ''
display_scale 96
scaled=0

[ $headless = 1 ] && echo "screenshots are in $shots"
exit 0
