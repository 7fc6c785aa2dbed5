#pragma once
// The host's start-up: instance guard, mode dispatch, renderer check.

#include <memory>
#include <string_view>

#include "host/win32/Window.h"

namespace wavorin::startup {

// Runs the start-up for the command line the system passed (without the program name).
// Returns the modeless window the program now lives for (the preview, the settings dialog
// or the run window), or nothing when the program should end.
std::unique_ptr<win32::Window> StartHost(std::wstring_view commandLine);

}  // namespace wavorin::startup
