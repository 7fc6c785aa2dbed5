#pragma once

#include <string>

namespace wavorin::win32 {

// Full path of this program's file.
std::wstring ProgramPath();

// The folder holding this program, without a trailing backslash.
std::wstring ProgramFolder();

}  // namespace wavorin::win32
