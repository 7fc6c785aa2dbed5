#pragma once
// Display scale per monitor: the per-monitor calls where this Windows has them (8.1 and 10),
// the system's scale where it has not.

#include <windows.h>

namespace wavorin::win32 {

// The dots per inch a window on `monitor` is laid out for.
int MonitorDotsPerInch(HMONITOR monitor);

// The dots per inch the system draws `window`'s caption and borders for.
int WindowDotsPerInch(HWND window);

// The window rectangle around a client area of `width` x `height` at `dotsPerInch`: the
// caption and borders are those of that scale where Windows draws them per monitor.
RECT FrameAround(int width, int height, DWORD style, DWORD exStyle, int dotsPerInch);

}  // namespace wavorin::win32
