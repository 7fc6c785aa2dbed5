#pragma once
// The renderer's window: class, creation, messages and the idle frame loop.

#include <windows.h>

#include "common/contract/ProgramContract.h"
#include "renderer/win32/RendererState.h"

namespace wavorin::renderer {

// Class name and title both; the host watches for this title.
inline constexpr const char* kWindowName = contract::kRendererWindowName;

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void SetupPixelFormat(HDC dc);
void ResizeViewport(int width, int height);

bool RegisterRendererClass(HINSTANCE instance);

// A hidden borderless popup of the state's window size at (0, 0). Creation runs the create
// and size notifications, so the context is current and the viewport set when it returns.
HWND CreateRendererWindow(HINSTANCE instance, RendererState& state);

// The primary monitor's size in pixels as the platform reports it now, or the state's
// window size where it reports none: the window covers that monitor, whatever the settings
// file recorded (a size from another screen, or none).
SIZE PrimaryMonitorSize(const RendererState& state);

// Frames from now on keep to the refresh rate of the monitor the window's device context
// shows (60 where it reports none).
void PaceToMonitor(RendererState& state);

// The console display's state (GUID_CONSOLE_DISPLAY_STATE): off, on or dimmed.
inline constexpr GUID kConsoleDisplayState = {0x6fe69556, 0x704a, 0x47a0, {0x8f, 0x24, 0xc2, 0x8d, 0x93, 0x6f, 0xda, 0x47}};

// Asks the system to tell `window` (WM_POWERBROADCAST) when the console's display goes off
// and on again, from now (the system tells the state at once) until this is gone.
class DisplayStateWatch {
public:
    explicit DisplayStateWatch(HWND window);
    ~DisplayStateWatch();
    DisplayStateWatch(const DisplayStateWatch&) = delete;
    DisplayStateWatch& operator=(const DisplayStateWatch&) = delete;

private:
    HPOWERNOTIFY notify_;
};

// Draws whenever the queue is empty and a frame is due (state.pacer), none while the display
// is off, until the quit message; returns its exit code.
int RunMessageLoop(HWND window);

}  // namespace wavorin::renderer
