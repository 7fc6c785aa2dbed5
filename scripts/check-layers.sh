#!/usr/bin/env bash
# Checks that every include looks down: a file may include a header of its own room or of a
# room of lower rank, never one of higher rank (climbing) nor another room of the same rank
# (crossing). The host and the renderer are separate programs and see each other's rooms
# never; both see common/. Tools, benchmarks and tests stand above everything.
# Prints each offending include as FILE:LINE and exits 1 when there is one.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/source-files.sh

# The one table of rooms: folder, rank, program ("any" sees every program's rooms).
rooms='
common/contract     0  common
common/files        0  common
common/ini          1  common
common/snapshot     0  common
common/trace        0  common
host/win32          2  host
host/controls       3  host
host/settings       3  host
host/assets         3  host
host/music          4  host
host/run            5  host
host/preview        5  host
host/dialog         5  host
host/startup        6  host
renderer            2  renderer
renderer/offscreen  3  renderer
renderer/win32      3  renderer
tools/picturegen       8  any
tools/sample_pictures  8  any
tools                  9  any
tests/e2e/harness      9  any
tests                  10 any
bench                  10 any
'

source_files common host renderer tools tests bench | grep -E '\.(cpp|h)$' |
  xargs grep -n -H -E '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^"]+/' |
  awk -v rooms="$rooms" '
    BEGIN {
      n = split(rooms, lines, "\n")
      for (i = 1; i <= n; i++) {
        if (split(lines[i], f, " ") < 3) continue
        rank[f[1]] = f[2]; program[f[1]] = f[3]
      }
    }
    # The room a path lies in: the longest folder of the table that holds it.
    function room_of(path,    best, r) {
      best = ""
      for (r in rank) if (index(path, r "/") == 1 && length(r) > length(best)) best = r
      return best
    }
    {
      # grep -n -H gives FILE:LINE:TEXT
      file = $0; sub(/:.*/, "", file)
      rest = substr($0, length(file) + 2)
      line = rest; sub(/:.*/, "", line)
      target = rest; sub(/^[^"]*"/, "", target); sub(/".*/, "", target)
      from = room_of(file); to = room_of(target)
      where = file ":" line ": "
      if (from == "") { print where "the file lies in no room of the table"; bad = 1; next }
      if (to == "") { print where "\"" target "\" lies in no room of the table"; bad = 1; next }
      if (from == to) next
      if (program[to] != "common" && program[from] != "any" && program[to] != program[from]) {
        print where "\"" target "\" crosses from " program[from] " to " program[to]; bad = 1; next
      }
      if (rank[to] + 0 > rank[from] + 0) {
        print where "\"" target "\" climbs from " from " (rank " rank[from] ") to " to " (rank " rank[to] ")"; bad = 1; next
      }
      if (rank[to] + 0 == rank[from] + 0) {
        print where "\"" target "\" crosses from " from " to " to ", both of rank " rank[from]; bad = 1; next
      }
      checked++
    }
    END {
      if (bad) exit 1
      if (!checked) { print "layers: no includes between rooms found: no source files listed?"; exit 1 }
      print "layers: " checked " includes between rooms, each looking down"
    }'
