#pragma once
// Whether an open handle is the file or folder a path names itself, rather than one a link
// at that path leads to (internal to common/files).

#include <windows.h>

namespace wavorin::files {

// The path is taken full, with its long names; the handle's as the platform has it.
bool IsNamedBy(HANDLE opened, const wchar_t* path);

}  // namespace wavorin::files
