// The renderer: a borderless window showing the ring-through scene until Esc.

#include <windows.h>

#include "common/trace/StartupTrace.h"
#include "renderer/win32/HostWatch.h"
#include "renderer/win32/MonitorCovers.h"
#include "renderer/win32/RendererWindow.h"
#include "renderer/WindowSize.h"

using namespace wavorin::renderer;

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    wavorin::trace::MarkStartupStep("renderer", "start");
    RendererState state;
    ShowCursor(FALSE);
    state.running = false;

    // The size the host recorded serves only where the platform reports no screen: the one
    // recorded may come from another screen, or never have been written.
    const WindowSize recorded = ReadWindowSize();
    state.windowWidth = recorded.width;
    state.windowHeight = recorded.height;
    const SIZE screen = PrimaryMonitorSize(state);
    state.windowWidth = screen.cx;
    state.windowHeight = screen.cy;

    if (!RegisterRendererClass(instance)) return 0;
    HWND window = CreateRendererWindow(instance, state);
    if (!window) return 0;
    const HostWatch hostWatch(window);  // a host that ends takes this window with it
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);  // finds running false: no frame yet
    MonitorCovers covers(instance, window);
    state.covers = &covers;
    const DisplayStateWatch displayStateWatch(window);
    wavorin::trace::MarkStartupStep("renderer", "window shown");

    LARGE_INTEGER frequency{}, start{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    state.counterFrequency = frequency.QuadPart;
    state.startCount = start.QuadPart;  // the set-up time counts into the first frame's time
    PaceToMonitor(state);

    if (!InitScene(state.scene, state.clientWidth, state.clientHeight)) return 0;
    state.running = true;

    const int exitCode = RunMessageLoop(window);
    state.running = false;
    state.covers = nullptr;
    return exitCode;
}
