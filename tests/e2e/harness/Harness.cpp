#include "tests/e2e/harness/Harness.h"

#include <fstream>

namespace wavorin::e2e {
namespace fs = std::filesystem;

Install::Install(Renderer renderer)
{
    // The programs are built into bin/, beside this test's own folder.
    wchar_t self[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, self, DWORD(std::size(self)));
    const fs::path bin = fs::path(self).parent_path().parent_path() / L"bin";
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    fs::copy_file(bin / L"Wavorin.scr", Host());
    if (renderer == Renderer::Real) fs::copy_file(bin / L"Wavorin.dll", folder_ / L"Wavorin.dll");
    if (renderer == Renderer::Placeholder) std::ofstream(folder_ / L"Wavorin.dll") << "not a renderer\n";
}

Install::~Install()
{
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

Process::Process(const fs::path& program, std::wstring_view arguments)
{
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    if (!arguments.empty()) (commandLine += L" ") += arguments;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       program.parent_path().c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        process_.reset(info.hProcess);
    }
}

Process::~Process()
{
    if (!Running()) return;
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 10000);
}

std::optional<DWORD> Process::WaitForExit(milliseconds timeout)
{
    DWORD code = 0;
    if (!process_ || !WaitUntil([&] { return !Running(); }, timeout)) return std::nullopt;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

HWND WaitForWindow(const wchar_t* title, milliseconds timeout)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindWindowW(nullptr, title)) != nullptr; }, timeout);
    return found;
}

bool TypeKey(HWND window, WORD key)
{
    const auto inFront = [&] {
        SetForegroundWindow(window);
        return GetForegroundWindow() == window;
    };
    if (!WaitUntil(inFront, 10s)) return false;
    INPUT input[2]{};
    input[0].type = input[1].type = INPUT_KEYBOARD;
    input[0].ki.wVk = input[1].ki.wVk = key;
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    return SendInput(2, input, sizeof(INPUT)) == 2;
}

bool ShareInputWith(HWND windowOfOtherThread)
{
    const DWORD thread = GetWindowThreadProcessId(windowOfOtherThread, nullptr);
    return thread != 0 && AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
}

int CursorCount()
{
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

std::string SettingsValue(const char* key)
{
    char value[256] = {};
    GetPrivateProfileStringA("Section", key, "", value, sizeof value, kSettingsFile.string().c_str());
    return value;
}

void KillRenderer()
{
    DWORD id = 0;
    if (HWND window = FindWindowW(nullptr, kRendererTitle)) GetWindowThreadProcessId(window, &id);
    win32::UniqueHandle renderer(id ? OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, id) : nullptr);
    if (!renderer) return;
    TerminateProcess(renderer.get(), 1);
    WaitForSingleObject(renderer.get(), 10000);
}

TestWindow::TestWindow(const wchar_t* title, DWORD style, RECT area, std::function<void(HDC)> paint)
    : paint_(std::move(paint))
{
    static const ATOM windowClass = [] {
        WNDCLASSW description{};
        description.lpfnWndProc = &TestWindow::Procedure;
        description.hInstance = GetModuleHandleW(nullptr);
        description.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        description.lpszClassName = L"WavorinTestWindow";
        return RegisterClassW(&description);
    }();
    window_.reset(CreateWindowExW(0, MAKEINTATOM(windowClass), title, style, area.left, area.top,
                                  area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), this));
    WaitUntil([] { return true; }, 0ms);  // its first messages
}

LRESULT CALLBACK TestWindow::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    }
    const auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message != WM_PAINT || !self || !self->paint_) return DefWindowProcW(window, message, wParam, lParam);
    win32::PaintScope paint(window);
    self->paint_(paint.dc());
    return 0;
}

}  // namespace wavorin::e2e
