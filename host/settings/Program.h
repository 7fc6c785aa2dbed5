#pragma once
// The host program itself: the title of its message boxes, its folder and the renderer
// program that must lie beside it.

#include <string>

namespace wavorin::settings {

inline constexpr wchar_t kProgramTitle[] = L"Wavorin (ScreenSaver)";

// The folder holding this program, without a trailing backslash.
std::wstring ProgramFolder();

// Full path of the renderer program in this program's folder.
std::wstring RendererPath();

}  // namespace wavorin::settings
