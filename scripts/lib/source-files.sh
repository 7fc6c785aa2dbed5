# Sourced by the scripts that look at the source tree, run from its top. source_files PATH...:
# the project's files under the paths, one a line: git's list in a checkout, every file but
# the build output and the release in a tree that is no checkout of its own (a source
# archive, wherever it is unpacked: inside another project's work tree git would list none).
source_files() {
  if [ "$(git rev-parse --show-toplevel 2>/dev/null)" -ef . ]; then
    git ls-files -- "$@"
  else
    find "$@" -type f 2>/dev/null | sed 's|^\./||' | grep -v -E '^(build|dist|shots)/' | sort
  fi
}
