#!/usr/bin/env bash
# The project's files unpacked as a source archive inside another project's git work tree:
# the layering check and the size count find the same files as in this tree, and an include
# that climbs, put into the copy, fails the check, named where it is.
set -euo pipefail
cd "$(dirname "$0")/../.."
. scripts/lib/source-files.sh
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
git init -q "$work/other" && mkdir "$work/other/wavorin"
source_files . | tar -cf - -T - | tar -xf - -C "$work/other/wavorin"
for check in check-layers.sh test-ratio.sh; do
  here=$(scripts/$check 2>&1) unpacked=$("$work/other/wavorin/scripts/$check" 2>&1) || true
  [ "$unpacked" = "$here" ] || { echo "FAILED: $check in the unpacked archive says \"$unpacked\", here \"$here\""; exit 1; }
done
echo '#include "host/dialog/SettingsDialog.h"' >>"$work/other/wavorin/host/win32/Accessible.h"
line=$(wc -l <"$work/other/wavorin/host/win32/Accessible.h")
said=$("$work/other/wavorin/scripts/check-layers.sh" 2>&1) && { echo "FAILED: a climbing include passes: $said"; exit 1; }
[ "$said" = "host/win32/Accessible.h:$line: \"host/dialog/SettingsDialog.h\" climbs from host/win32 (rank 2) to host/dialog (rank 5)" ] ||
  { echo "FAILED: a climbing include is told as \"$said\""; exit 1; }
echo "source archive inside another work tree: the same layers and sizes; a climbing include fails"
