#pragma once

#include <string>

#include "host/win32/Handles.h"

namespace wavorin::run {

// Starts the renderer program with a normal, activated window and no arguments, without
// waiting for it. The handle of its process, kept only to see whether it has ended; empty
// when it could not be started.
win32::UniqueHandle StartRenderer(const std::wstring& path);

}  // namespace wavorin::run
