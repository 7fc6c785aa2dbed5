#!/usr/bin/env bash
# Prints the size of the tests against the code they test: non-blank lines that are not only
# a comment, in C++, CMake, shell and installer (NSIS) files; tests/ against everything else.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/lib/source-files.sh

# Lines of the listed files on standard input.
count_lines() {
  grep -E '\.(cpp|h|hpp|c|sh|py|rc|cmake)$|(^|/)CMakeLists\.txt$' |
    xargs -r cat | grep -c -v -E '^\s*$|^\s*(//|#\s*$)'
}
# The installer's script, whose comments start with ';'.
count_installer_lines() { grep -E '\.(nsi|nsh)$' | xargs -r cat | grep -c -v -E '^\s*$|^\s*;' || true; }
tests=$(source_files tests | count_lines)
code=$(( $(source_files . | grep -v -E '^(tests|docs)/' | count_lines) + $(source_files . | grep -v -E '^(tests|docs)/' | count_installer_lines) ))
[ "$code" -gt 0 ] || { echo "test-ratio: no code found under $PWD" >&2; exit 1; }
echo "tests: $tests lines, code: $code lines, ratio $(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"
