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

namespace {

// Our environment block with one more variable.
std::wstring EnvironmentWith(const std::wstring& variable)
{
    std::wstring block;
    if (wchar_t* current = GetEnvironmentStringsW()) {
        for (const wchar_t* entry = current; *entry; entry += wcslen(entry) + 1) (block += entry) += L'\0';
        FreeEnvironmentStringsW(current);
    }
    (block += variable) += L'\0';
    return block;
}

}  // namespace

Process::Process(const fs::path& program, std::wstring_view arguments, const ProcessOptions& options)
{
    std::wstring commandLine = L"\"" + program.wstring() + L"\"";
    if (!arguments.empty()) commandLine += L" " + std::wstring(arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    win32::UniqueFile errors;
    if (!options.standardError.empty()) {
        SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
        errors.reset(CreateFileW(options.standardError.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inheritable,
                                 CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        startup.dwFlags |= STARTF_USESTDHANDLES;
        startup.hStdError = errors.get();
        startup.hStdOutput = errors.get();
    }
    std::wstring environment = options.environment.empty() ? std::wstring() : EnvironmentWith(options.environment);
    PROCESS_INFORMATION info{};
    if (CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, errors ? TRUE : FALSE,
                       environment.empty() ? 0 : CREATE_UNICODE_ENVIRONMENT,
                       environment.empty() ? nullptr : environment.data(), program.parent_path().c_str(), &startup,
                       &info)) {
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

bool BringToFront(HWND window)
{
    return WaitUntil(
        [&] {
            SetForegroundWindow(window);
            return GetForegroundWindow() == window;
        },
        std::chrono::seconds(5));
}

void TypeKey(HWND window, WORD key)
{
    BringToFront(window);
    INPUT input[2]{};
    input[0].type = INPUT_KEYBOARD;
    input[0].ki.wVk = key;
    input[1] = input[0];
    input[1].ki.dwFlags = KEYEVENTF_KEYUP;
    SendInput(2, input, sizeof(INPUT));
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
