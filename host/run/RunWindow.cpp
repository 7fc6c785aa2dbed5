#include "host/run/RunWindow.h"

#include <utility>

#include "host/startup/Titles.h"

namespace wavorin::host {
namespace {

constexpr UINT_PTR kTimer3 = 3;  // renderer watch
constexpr UINT kTimer3Ms = 500;

}  // namespace

RunWindow::RunWindow(MusicSettings settings, bool restoreCursor)
    : settings_(std::move(settings)), restoreCursor_(restoreCursor)
{
}

bool RunWindow::Create()
{
    static const win32::WindowClass kClass{L"Zelvane_S"};
    if (!Window::Create(kClass, kRunWindowTitle, WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0, nullptr)) return false;
    SetTimer(hwnd(), kTimer3, kTimer3Ms, nullptr);
    Form_Load();
    return true;
}

LRESULT RunWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimer3) Timer3_Timer();
        return 0;
    case WM_CLOSE:
    case WM_ENDSESSION:
        Form_QueryUnload();
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

void RunWindow::Form_Load()
{
    // The window's client area is the primary screen.
    SetWindowPos(hwnd(), nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void RunWindow::Timer3_Timer()
{
    if (FindWindowW(nullptr, kRendererWindowTitle)) return;
    KillTimer(hwnd(), kTimer3);
    Form_QueryUnload();
}

void RunWindow::Form_QueryUnload()
{
    if (std::exchange(unloading_, true)) return;
    if (restoreCursor_) ShowCursor(TRUE);
    PostQuitMessage(0);
}

}  // namespace wavorin::host
