#!/usr/bin/env bash
# The project's files unpacked as a source archive inside another project's git work tree:
# the layering check and the size count find the same files as in this tree.
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
echo "source archive inside another work tree: the same layers and sizes"
