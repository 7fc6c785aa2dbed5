// Shows the sample desktop picture over the whole screen, as the desktop a screensaver run
// photographs, for the demo. Usage: SampleDesktop.exe [seconds to stay]

#include <windows.h>

#include <cstdlib>

#include "common/snapshot/BmpFormat.h"
#include "tools/sample_pictures/SamplePictures.h"

namespace {

const wavorin::snapshot::Picture* shown = nullptr;

LRESULT CALLBACK DesktopProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        BITMAPINFO info{};
        info.bmiHeader.biSize = sizeof info.bmiHeader;
        info.bmiHeader.biWidth = shown->width;
        info.bmiHeader.biHeight = shown->height;  // bottom-up, as the snapshot stores it
        info.bmiHeader.biPlanes = 1;
        info.bmiHeader.biBitCount = 24;
        SetDIBitsToDevice(dc, 0, 0, DWORD(shown->width), DWORD(shown->height), 0, 0, 0, UINT(shown->height),
                          shown->pixels.data(), &info, DIB_RGB_COLORS);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_TIMER:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const wavorin::snapshot::Picture desktop = wavorin::tools::MakeDesktopPicture(width, height);
    shown = &desktop;

    WNDCLASSW desktopClass{};
    desktopClass.lpfnWndProc = DesktopProcedure;
    desktopClass.hInstance = instance;
    desktopClass.lpszClassName = L"WavorinSampleDesktop";
    RegisterClassW(&desktopClass);
    HWND window = CreateWindowExW(0, L"WavorinSampleDesktop", L"Sample desktop", WS_POPUP | WS_VISIBLE, 0, 0, width,
                                  height, nullptr, nullptr, instance, nullptr);
    const int seconds = _wtoi(commandLine);
    if (seconds > 0) SetTimer(window, 1, UINT(seconds) * 1000, nullptr);

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}
