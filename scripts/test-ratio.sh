#!/usr/bin/env bash
# Prints the size of the tests against the code they test, both counted by cloc the same way:
# its "code" lines (no blank line, no line that is only a comment) of the C++, CMake, shell,
# Python, resource and installer (NSIS) files; tests/ against everything else but docs/.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/source-files.sh
command -v cloc >/dev/null || { echo "test-ratio: cloc is missing (scripts/setup.sh installs it)" >&2; exit 1; }

# cloc knows no installer script: its comments start with ';' or '#', or sit between /* */.
nsis=$(mktemp)
trap 'rm -f "$nsis"' EXIT
cat >"$nsis" <<'DEF'
NSIS
    filter remove_between_general /* */
    filter remove_matches ^\s*[;#]
    extension nsh
    extension nsi
    3rd_gen_scale 1.00
DEF

# cloc's code lines of the listed files on standard input; a file that is a copy of another
# counts too.
count_lines() {
  grep -E '\.(cpp|h|hpp|c|sh|py|rc|cmake|nsi|nsh)$|(^|/)CMakeLists\.txt$' |
    cloc --list-file=- --read-lang-def="$nsis" --skip-uniqueness --quiet --csv |
    awk -F, '$2 == "SUM" { print $5; found = 1 } END { if (!found) print 0 }'
}
tests=$(source_files tests | count_lines)
code=$(source_files . | grep -v -E '^(tests|docs)/' | count_lines)
[ "$code" -gt 0 ] || { echo "test-ratio: no code found under $PWD" >&2; exit 1; }
echo "tests: $tests lines, code: $code lines, ratio $(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.3f", t / c }')"
