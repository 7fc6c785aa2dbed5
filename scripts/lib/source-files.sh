# Sourced by the scripts that look at the source tree. source_files PATH...: the project's
# files under the paths, one a line: git's list in a checkout, every file but the build
# output in a tree without .git (a source archive).
source_files() {
  if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
    git ls-files -- "$@"
  else
    find "$@" -type f -not -path 'build/*' -not -path 'dist/*' -not -path 'shots/*' 2>/dev/null | sed 's|^\./||' | sort
  fi
}
