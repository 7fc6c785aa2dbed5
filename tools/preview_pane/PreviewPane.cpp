// A stand-in for the system's screensaver settings page: a monitor drawing with a
// 152 x 112 preview pane, into which it starts "Wavorin.scr /p <pane>".
// Usage: PreviewPane.exe <path of Wavorin.scr | --in-process> [seconds to stay open]
//
// Wine does not draw a child window that belongs to another process, so under Wine the
// pane stays empty although the preview is embedded; --in-process shows the same preview
// window hosted by this program instead.

#include <windows.h>
#include <shellapi.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/preview/PreviewWindow.h"

namespace {

constexpr int kPaneWidth = 152, kPaneHeight = 112;
constexpr int kBezel = 14;

LRESULT CALLBACK MonitorProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
    case WM_CLOSE:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

HWND CreateMonitor(HINSTANCE instance)
{
    WNDCLASSW monitorClass{};
    monitorClass.lpfnWndProc = MonitorProcedure;
    monitorClass.hInstance = instance;
    monitorClass.hbrBackground = CreateSolidBrush(RGB(192, 192, 192));
    monitorClass.lpszClassName = L"WavorinDemoMonitor";
    RegisterClassW(&monitorClass);

    RECT frame{0, 0, kPaneWidth + 2 * kBezel, kPaneHeight + 2 * kBezel};
    AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, FALSE);
    return CreateWindowW(L"WavorinDemoMonitor", L"Screen saver preview", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 60, 60,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count < 2) return 2;
    const std::wstring host = arguments[1];
    const int seconds = count > 2 ? _wtoi(arguments[2]) : 0;

    HWND monitor = CreateMonitor(instance);
    HWND pane = CreateWindowW(L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_BLACKRECT, kBezel, kBezel, kPaneWidth,
                              kPaneHeight, monitor, nullptr, instance, nullptr);
    if (seconds > 0) SetTimer(monitor, 1, UINT(seconds) * 1000, nullptr);

    wavorin::preview::PreviewWindow inProcess;
    if (host == L"--in-process") {
        if (inProcess.Create()) inProcess.EmbedInto(pane);
    } else {
        std::wstring commandLine =
            L"\"" + host + L"\" /p " + std::to_wstring(reinterpret_cast<std::uintptr_t>(pane));
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        if (CreateProcessW(host.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                           &process)) {
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
    }

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    LocalFree(arguments);
    return 0;
}
