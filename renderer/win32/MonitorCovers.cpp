#include "renderer/win32/MonitorCovers.h"

namespace wavorin::renderer {
namespace {

// A name of their own: the host looks for the renderer by its window name and must find only it.
constexpr char kCoverClass[] = "Wavorin_MonitorCover";

LRESULT CALLBACK CoverProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // A click leaves the keyboard with the renderer's window, so Esc still ends the run.
    if (message == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProcA(window, message, wParam, lParam);
}

bool RegisterCoverClass(HINSTANCE instance)
{
    WNDCLASSA coverClass{};
    coverClass.lpfnWndProc = CoverProc;
    coverClass.hInstance = instance;
    // The renderer's cursor: hidden over the covers as over the renderer, by the same count.
    coverClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW, ANSI form
    coverClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    coverClass.lpszClassName = kCoverClass;
    return RegisterClassA(&coverClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

BOOL CALLBACK CollectArea(HMONITOR, HDC, LPRECT area, LPARAM areas)
{
    reinterpret_cast<std::vector<RECT>*>(areas)->push_back(*area);
    return TRUE;
}

// Each monitor's rectangle on the virtual screen; left of or above the primary, negative.
std::vector<RECT> MonitorAreas()
{
    std::vector<RECT> areas;
    EnumDisplayMonitors(nullptr, nullptr, CollectArea, reinterpret_cast<LPARAM>(&areas));
    return areas;
}

}  // namespace

MonitorCovers::MonitorCovers(HINSTANCE instance, HWND rendererWindow)
    : instance_(instance), rendererWindow_(rendererWindow)
{
    if (RegisterCoverClass(instance)) CoverOtherMonitors();
}

MonitorCovers::~MonitorCovers() { DestroyCovers(); }

void MonitorCovers::Rebuild()
{
    DestroyCovers();
    CoverOtherMonitors();
}

void MonitorCovers::Raise() const
{
    for (HWND cover : covers_) SetWindowPos(cover, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void MonitorCovers::CoverOtherMonitors()
{
    MONITORINFO rendererMonitor{};
    rendererMonitor.cbSize = sizeof rendererMonitor;
    if (!GetMonitorInfoA(MonitorFromWindow(rendererWindow_, MONITOR_DEFAULTTOPRIMARY), &rendererMonitor)) return;
    for (const RECT& area : MonitorAreas()) {
        if (EqualRect(&area, &rendererMonitor.rcMonitor)) continue;  // a mirror of it too
        // Owned, not topmost: above the renderer's window and no higher. Never active, so
        // never the keyboard's.
        HWND cover = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kCoverClass, "", WS_POPUP, area.left,
                                     area.top, area.right - area.left, area.bottom - area.top, rendererWindow_,
                                     nullptr, instance_, nullptr);
        if (!cover) continue;
        ShowWindow(cover, SW_SHOWNOACTIVATE);
        UpdateWindow(cover);
        covers_.push_back(cover);
    }
}

void MonitorCovers::DestroyCovers()
{
    // Those the renderer's window took are gone; the handles carry a use count, so a valid
    // one is still a cover.
    for (HWND cover : covers_) {
        if (IsWindow(cover)) DestroyWindow(cover);
    }
    covers_.clear();
}

}  // namespace wavorin::renderer
