// A renderer that only shows itself: a hidden window under the renderer's title, until it is
// closed. A run started with it goes on, with no GL at all, for as long as a test needs.

#include <windows.h>

#include "common/contract/ProgramContract.h"

namespace {

LRESULT CALLBACK StandInProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    const wchar_t* name = wavorin::contract::kRendererWindowNameW.c_str();
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = StandInProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = name;
    if (!RegisterClassW(&windowClass)) return 1;
    if (!CreateWindowExW(0, name, name, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, instance, nullptr)) return 1;
    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
