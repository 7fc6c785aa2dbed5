#pragma once

#include <string>

namespace wavorin::host {

// Starts the renderer program with a normal, activated window and no arguments, without
// waiting for it and keeping nothing of it. False when it could not be started.
bool StartRenderer(const std::wstring& path);

}  // namespace wavorin::host
