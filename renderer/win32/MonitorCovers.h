#pragma once
// Black windows over every monitor but the renderer's, for as long as the renderer's window
// is up: a run shows nothing of the desktop on any screen.

#include <windows.h>

#include <vector>

namespace wavorin::renderer {

class MonitorCovers {
public:
    // One cover per monitor that does not show the renderer's window, made shown and owned by
    // that window: the system destroys them with it, whatever ends it (Esc, Alt+F4, WM_CLOSE).
    MonitorCovers(HINSTANCE instance, HWND rendererWindow);
    MonitorCovers(const MonitorCovers&) = delete;
    MonitorCovers& operator=(const MonitorCovers&) = delete;
    // Destroys the covers the renderer's window has not already taken with it.
    ~MonitorCovers();

private:
    std::vector<HWND> covers_;
};

}  // namespace wavorin::renderer
