# Sourced by the scripts that look at the source tree. source_files PATH...: the project's
# files under the paths, one a line: git's list in a checkout, every file but the build
# output and the release in a tree without .git (a source archive).
source_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -- "$@"
  else
    find "$@" -type f 2>/dev/null | sed 's|^\./||' | grep -v -E '^(build|dist|shots)/' | sort
  fi
}
