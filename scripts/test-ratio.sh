#!/usr/bin/env bash
# Prints the size of the tests against the code they test: non-blank lines that are not only
# a comment, in C++, CMake and shell files; tests/ against everything else.
set -euo pipefail
cd "$(dirname "$0")/.."

count() {
  git ls-files -- "$@" | grep -E '\.(cpp|h|hpp|c|sh|py|rc|cmake)$|(^|/)CMakeLists\.txt$' |
    xargs -r cat | grep -c -v -E '^\s*$|^\s*(//|#\s*$)'
}
tests=$(count tests)
code=$(count . ':!tests' ':!docs')
echo "tests: $tests lines, code: $code lines, ratio $(awk -v t="$tests" -v c="$code" 'BEGIN { printf "%.2f", t / c }')"
