#pragma once
// Names in a folder that other accounts may change, told apart from the links they may put
// there: a link's name may be deleted, but what it leads to lies elsewhere and is left alone.

namespace wavorin::files {

// Whether the name is missing, or a file of its own: not a link of any kind, and the only
// name of its file. Only such a file may be replaced: what a link leads to lies elsewhere.
bool IsMissingOrOwnFile(const wchar_t* path);

// Deletes the name itself, a link's name included, never what a link leads to; where the
// platform would only reach the file a link leads to (Wine's links to files), nothing is
// deleted. True when the name is gone.
bool DeleteOwnName(const wchar_t* path);

}  // namespace wavorin::files
