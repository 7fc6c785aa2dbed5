#!/usr/bin/env bash
# Runs in a work folder another account has tampered with, on a PC the accounts share. Links
# stand in for what another account can plant: Wine shows a Linux symbolic link as a link
# (a reparse point) and a Linux hard link as a second name of the file.
# 1. The file names are links to files elsewhere (the ring picture a symbolic link, the
#    photograph a hard link, the settings file a symbolic link): the run puts its own
#    photograph in the folder and shows it; the settings file is not written; nothing
#    elsewhere changes. Wine reaches only the file a link to a file leads to, so the ring
#    picture's link stays and the run goes on without it (Windows deletes a link's own name,
#    and the run's own picture takes its place).
# 2. The work folder itself is a link to a folder elsewhere: the run goes on, and nothing
#    there changes.
# Usage: shared_work_folder_test.sh BUILD_DIR SCRATCH_DIR
set -euo pipefail
. "$(dirname "$0")/../shell_test_setup.sh"
e2e_setup "$1"
e2e_install shared "$2"
cd "$2"
work=$drive_c/vetsu_temp elsewhere=$2/elsewhere
aside=$drive_c/vetsu_temp.aside
rm -rf "$elsewhere" "$aside" && mkdir -p "$elsewhere"
# The work folder as it was, without the links planted in it, for the tests after this one.
trap_restore() {
  if [ -d "$aside" ]; then rm -f "$work" && mv "$aside" "$work"; fi
  find "$work" -maxdepth 1 -type l -delete
}
trap 'trap_restore; for pid in "${started[@]}"; do stop "$pid"; done; end_renderers; display_stop' EXIT
# What lies elsewhere, by name and content.
listing() { (cd "$elsewhere" && for f in *; do printf '%s %s\n' "$f" "$(sha1sum <"$f")"; done); }
bitmap() { [ -f "$1" ] && [ ! -L "$1" ] && [ "$(stat -c %h "$1")" = 1 ] && [ "$(head -c 2 "$1")" = BM ]; }
run_until_shown() {
  start 'C:\wavorin_e2e\shared\Wavorin.scr' /s
  window=$(wait_until 1200 shown) || true
  [ -n "$window" ] || fail "$1: the host ended before the renderer's window showed"
}

printf 'not a picture\n' >"$elsewhere/ring"
printf 'the photograph of another run\n' >"$elsewhere/photograph"
printf '[Section]\r\nWidth=640\r\nHeight=480\r\n' >"$elsewhere/settings"
rm -f "$work"/Zelvane1.alo "$work"/Zelvane2.alo "$work"/Wavorin.ini
ln -s "$elsewhere/ring" "$work/Zelvane1.alo"
ln "$elsewhere/photograph" "$work/Zelvane2.alo"
ln -s "$elsewhere/settings" "$work/Wavorin.ini"
before=$(listing)
run_until_shown "links at the names"
[ -L "$work/Zelvane1.alo" ] || fail "the ring picture's link is gone"
bitmap "$work/Zelvane2.alo" || fail "the photograph is not a picture of the run's own"
[ -L "$work/Wavorin.ini" ] || fail "the linked settings file was replaced"
end_with_esc "links at the names"
[ ! -e "$work/Zelvane2.alo" ] || fail "the photograph stayed after Esc"
[ "$(listing)" = "$before" ] || fail "files elsewhere changed through links at the names: $(listing | tr "\n" " ")"

mv "$work" "$aside"
cp "$elsewhere/ring" "$elsewhere/Zelvane1.alo" && cp "$elsewhere/photograph" "$elsewhere/Zelvane2.alo"
ln -s "$elsewhere" "$work"
before=$(listing)
run_until_shown "a linked work folder"
end_with_esc "a linked work folder"
[ "$(listing)" = "$before" ] || fail "files in the folder the work folder leads to changed: $(listing | tr "\n" " ")"
e2e_finish "nothing outside the work folder changed; the run showed its own pictures"
