// What the run tests do and read on the Windows side of the desk:
//   desk_probe front X Y W H   a bright window there, brought to the foreground, until closed
//   desk_probe size W H        the primary screen made W x H (CDS_UPDATEREGISTRY); exit code:
//                              ChangeDisplaySettingsW's answer
//   desk_probe where           prints "renderer L T R B screen W H covers N topmost N owned N":
//                              the renderer's window, the primary screen, and the monitor
//                              covers shown, those of them topmost and those the renderer owns
//   desk_probe hold            waits until killed (keeps a virtual desktop alive)

#include <windows.h>

#include <cstdio>
#include <cwchar>

namespace {

int Front(int x, int y, int width, int height)
{
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(RGB(255, 208, 128));
    windowClass.lpszClassName = L"WavorinDeskProbe";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, windowClass.lpszClassName, L"desk probe", WS_POPUP, x, y, width, height, nullptr,
                                  nullptr, windowClass.hInstance, nullptr);
    if (!window) return 1;
    ShowWindow(window, SW_SHOW);
    SetForegroundWindow(window);
    UpdateWindow(window);
    MSG message{};
    while (IsWindow(window) && GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

int Size(int width, int height)
{
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = DWORD(width);
    mode.dmPelsHeight = DWORD(height);
    mode.dmFields = DM_PELSWIDTH | DM_PELSHEIGHT;
    return int(ChangeDisplaySettingsW(&mode, CDS_UPDATEREGISTRY));
}

int Where()
{
    RECT area{};
    HWND renderer = FindWindowW(nullptr, L"Zelvane_VC");
    if (!renderer || !GetWindowRect(renderer, &area)) return 1;
    int covers = 0, topmost = 0, owned = 0;
    for (HWND cover = nullptr; (cover = FindWindowExW(nullptr, cover, L"Wavorin_MonitorCover", nullptr));) {
        covers += IsWindowVisible(cover) ? 1 : 0;
        topmost += (GetWindowLongPtrW(cover, GWL_EXSTYLE) & WS_EX_TOPMOST) ? 1 : 0;
        owned += GetWindow(cover, GW_OWNER) == renderer ? 1 : 0;
    }
    std::printf("renderer %ld %ld %ld %ld screen %d %d covers %d topmost %d owned %d\n", area.left, area.top, area.right,
                area.bottom, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), covers, topmost, owned);
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    auto number = [&](int i) { return i < argc ? int(std::wcstol(argv[i], nullptr, 10)) : 0; };
    if (argc >= 6 && !std::wcscmp(argv[1], L"front")) return Front(number(2), number(3), number(4), number(5));
    if (argc >= 4 && !std::wcscmp(argv[1], L"size")) return Size(number(2), number(3));
    if (argc >= 2 && !std::wcscmp(argv[1], L"where")) return Where();
    if (argc >= 2 && !std::wcscmp(argv[1], L"hold")) return Sleep(INFINITE), 0;
    return 2;
}
