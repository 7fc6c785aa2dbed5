#include "host/win32/Dpi.h"

#include "host/win32/Handles.h"

namespace wavorin::win32 {
namespace {

struct ModuleTraits {
    using Handle = HMODULE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle module) { FreeLibrary(module); }
};

// A function of a system DLL, or nullptr where this Windows has none.
template <typename Function>
Function SystemFunction(HMODULE module, const char* name)
{
    return module ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

int SystemDotsPerInch()
{
    WindowDc screen(nullptr);
    return screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
}

}  // namespace

int MonitorDotsPerInch(HMONITOR monitor)
{
    // shcore.dll arrived with Windows 8.1; older systems refuse the search flag or lack the file.
    const Unique<ModuleTraits> shcore(LoadLibraryExW(L"shcore.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    using GetDpiForMonitorFunction = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    const auto getDpiForMonitor = SystemFunction<GetDpiForMonitorFunction>(shcore.get(), "GetDpiForMonitor");
    UINT x = 0, y = 0;
    constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the scale the user chose for that monitor
    if (monitor && getDpiForMonitor && SUCCEEDED(getDpiForMonitor(monitor, kEffectiveDpi, &x, &y)) && y > 0) {
        return static_cast<int>(y);
    }
    return SystemDotsPerInch();
}

int WindowDotsPerInch(HWND window)
{
    using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
    const auto getDpiForWindow =
        SystemFunction<GetDpiForWindowFunction>(GetModuleHandleW(L"user32.dll"), "GetDpiForWindow");
    const UINT dotsPerInch = getDpiForWindow && window ? getDpiForWindow(window) : 0;
    return dotsPerInch > 0 ? static_cast<int>(dotsPerInch) : SystemDotsPerInch();
}

RECT FrameAround(int width, int height, DWORD style, DWORD exStyle, int dotsPerInch)
{
    RECT frame{0, 0, width, height};
    using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    const auto adjustForDpi =
        SystemFunction<AdjustForDpiFunction>(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi");
    if (!adjustForDpi || !adjustForDpi(&frame, style, FALSE, exStyle, static_cast<UINT>(dotsPerInch))) {
        frame = RECT{0, 0, width, height};
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return frame;
}

}  // namespace wavorin::win32
