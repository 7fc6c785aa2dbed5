#pragma once

#include <string>

namespace wavorin::win32 {

// Full path of this program's file.
std::wstring ProgramPath();

}  // namespace wavorin::win32
