#include "tests/e2e/harness/Harness.h"

#include <fstream>

namespace wavorin::e2e {
namespace fs = std::filesystem;

namespace {

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

fs::path OwnFolder()
{
    wchar_t path[MAX_PATH * 4] = {};
    GetModuleFileNameW(nullptr, path, DWORD(std::size(path)));
    return fs::path(path).parent_path();
}

}  // namespace

fs::path BuiltProgram(std::wstring_view fileName) { return OwnFolder().parent_path() / L"bin" / fileName; }

Install::Install(std::wstring_view name, Renderer renderer) : folder_(fs::path(L"C:\\wavorin_e2e") / name)
{
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
    fs::create_directories(folder_);
    fs::copy_file(BuiltProgram(L"Wavorin.scr"), Host(), fs::copy_options::overwrite_existing);
    const fs::path renderer_path = folder_ / L"Wavorin.dll";
    if (renderer == Renderer::Real) {
        fs::copy_file(BuiltProgram(L"Wavorin.dll"), renderer_path, fs::copy_options::overwrite_existing);
    } else if (renderer == Renderer::Placeholder) {
        std::ofstream(renderer_path) << "not a renderer\n";
    }
}

Install::~Install()
{
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

Process::Process(const fs::path& program, std::wstring_view arguments)
{
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    if (!arguments.empty()) commandLine += L" " + std::wstring(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       program.parent_path().c_str(), &startup, &info)) {
        CloseHandle(info.hThread);
        process_.reset(info.hProcess);
        id_ = info.dwProcessId;
    }
}

Process::~Process()
{
    if (Running()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), 5000);
    }
}

bool Process::Running() const { return process_ && WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT; }

std::optional<DWORD> Process::WaitForExit(milliseconds timeout)
{
    if (!process_) return std::nullopt;
    if (!WaitUntil([&] { return !Running(); }, timeout)) return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

SharedInput::SharedInput(HWND windowOfOtherThread)
{
    const DWORD thread = GetWindowThreadProcessId(windowOfOtherThread, nullptr);
    attached_ = thread != 0 && AttachThreadInput(GetCurrentThreadId(), thread, TRUE);
}

int SharedInput::CursorCount() const
{
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

bool WaitUntil(const std::function<bool()>& condition, milliseconds timeout)
{
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        PumpMessages();
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

HWND FindTopLevelWindow(std::wstring_view title) { return FindWindowW(nullptr, std::wstring(title).c_str()); }

HWND WaitForWindow(std::wstring_view title, milliseconds timeout)
{
    HWND found = nullptr;
    WaitUntil([&] { return (found = FindTopLevelWindow(title)) != nullptr; }, timeout);
    return found;
}

void RemoveWorkDirectory()
{
    std::error_code ignored;
    fs::remove_all(kWorkDirectory, ignored);
}

std::string SettingsValue(std::string_view key)
{
    char value[256] = {};
    GetPrivateProfileStringA("Section", std::string(key).c_str(), "", value, sizeof value,
                             kSettingsFile.string().c_str());
    return value;
}

std::optional<std::wstring> WaitForMessageBoxText(std::wstring_view caption, milliseconds timeout)
{
    const std::wstring title(caption);
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindWindowW(L"#32770", title.c_str())) != nullptr; }, timeout)) {
        return std::nullopt;
    }
    wchar_t text[512] = {};
    GetDlgItemTextW(box, 0xFFFF, text, int(std::size(text)));  // the message's static control
    return std::wstring(text);
}

void CloseMessageBox(std::wstring_view caption)
{
    if (HWND box = FindWindowW(L"#32770", std::wstring(caption).c_str())) PostMessageW(box, WM_COMMAND, IDOK, 0);
}

TestWindow::TestWindow(std::wstring_view title, DWORD style, int width, int height)
{
    static const bool registered = [] {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
        windowClass.lpszClassName = L"WavorinTestWindow";
        return RegisterClassW(&windowClass) != 0;
    }();
    (void)registered;
    window_.reset(CreateWindowExW(0, L"WavorinTestWindow", std::wstring(title).c_str(), style, 40, 40, width, height,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    PumpMessages();
}

}  // namespace wavorin::e2e
