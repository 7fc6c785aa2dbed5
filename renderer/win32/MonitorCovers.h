#pragma once
// Black windows over every monitor but the renderer's, for as long as the renderer's window
// is up: a run shows nothing of the desktop on any screen.

#include <windows.h>

#include <vector>

namespace wavorin::renderer {

class MonitorCovers {
public:
    // One cover per monitor that does not show the renderer's window, made shown and owned by
    // that window: the system destroys them with it, whatever ends it (Esc, Alt+F4, WM_CLOSE),
    // and stacks them with it, so a program the user switches to comes up over them as over
    // the renderer, and they come back up with the renderer.
    MonitorCovers(HINSTANCE instance, HWND rendererWindow);
    MonitorCovers(const MonitorCovers&) = delete;
    MonitorCovers& operator=(const MonitorCovers&) = delete;
    // Destroys the covers the renderer's window has not already taken with it.
    ~MonitorCovers();

    // After a display change (a monitor added or dropped, another primary, another size):
    // the old covers go, and every monitor but the renderer's is covered once again.
    void Rebuild();

    // The renderer's window is active again: the covers come up with it, over whatever the
    // user had switched to (Windows moves owned windows with their owner; Wine's window
    // manager-less X display needs telling).
    void Raise() const;

private:
    void CoverOtherMonitors();
    void DestroyCovers();

    HINSTANCE instance_;
    HWND rendererWindow_;
    std::vector<HWND> covers_;
};

}  // namespace wavorin::renderer
