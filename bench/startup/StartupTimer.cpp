// Times a program from its start to its first frame on the screen: the moment a window
// with the given title exists and shows something other than black in the middle of the
// screen. Prints the milliseconds and the peak working set of the window's process in
// kilobytes so far; the program is then ended.
// Usage: StartupTimer.exe <window title> <program> [arguments]

#include <windows.h>
#include <shellapi.h>
#include <psapi.h>

#include <cstdio>
#include <string>

#include "common/trace/StartupTrace.h"

namespace {

double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to, LARGE_INTEGER frequency)
{
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

// Something drawn in the middle third of the screen.
bool MiddleIsDrawn(HDC screen)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    for (int i = 1; i < 8; ++i) {
        for (int j = 1; j < 8; ++j) {
            const COLORREF pixel = GetPixel(screen, width / 3 + width * i / 24, height / 3 + height * j / 24);
            if (pixel != CLR_INVALID && (GetRValue(pixel) > 40 || GetGValue(pixel) > 40 || GetBValue(pixel) > 40)) {
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    int count = 0;
    wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    if (count < 3) return 2;
    const std::wstring title = arguments[1], program = arguments[2];
    std::wstring commandLine = L"\"" + program + L"\"";
    for (int i = 3; i < count; ++i) commandLine += std::wstring(L" ") + arguments[i];

    LARGE_INTEGER frequency, start, now;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    wavorin::trace::MarkStartupStep("timer", "launch");
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return 3;
    }
    HDC screen = GetDC(nullptr);
    HWND window = nullptr;
    for (;;) {
        QueryPerformanceCounter(&now);
        if (Milliseconds(start, now, frequency) > 60000) return 4;
        if (!window) window = FindWindowW(nullptr, title.c_str());
        if (window && MiddleIsDrawn(screen)) break;
        Sleep(1);
    }
    wavorin::trace::MarkStartupStep("timer", "first frame seen");
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    HANDLE renderer = OpenProcess(PROCESS_TERMINATE | PROCESS_QUERY_INFORMATION | PROCESS_VM_READ, FALSE, owner);
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    if (!renderer || !GetProcessMemoryInfo(renderer, &memory, sizeof memory)) memory.PeakWorkingSetSize = 0;
    std::printf("%.0f %llu\n", Milliseconds(start, now, frequency),
                static_cast<unsigned long long>(memory.PeakWorkingSetSize / 1024));
    std::fflush(stdout);

    // End the run the way the user does; the window's owner then ends on its own.
    if (renderer) {
        TerminateProcess(renderer, 0);
        CloseHandle(renderer);
    }
    if (WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 0);
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
    ReleaseDC(nullptr, screen);
    LocalFree(arguments);
    return 0;
}
