#include "tests/e2e/harness/Harness.h"

#include <aclapi.h>
#include <sddl.h>

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
    if (renderer == Renderer::StandIn) fs::copy_file(fs::path(self).parent_path() / L"stand_in_renderer.exe", folder_ / L"Wavorin.dll");
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

std::string SettingsValue(const char* key)
{
    char value[256] = {};
    GetPrivateProfileStringA("Section", key, "", value, sizeof value, kSettingsFile.string().c_str());
    return value;
}

static std::wstring SidText(PSID sid)
{
    wchar_t* text = nullptr;
    if (!ConvertSidToStringSidW(sid, &text)) return L"?";
    std::wstring result = text;
    LocalFree(text);
    return result;
}

std::vector<std::wstring> AllowedSids(const fs::path& file)
{
    ACL* acl = nullptr;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    const DWORD read = GetNamedSecurityInfoW(file.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION, nullptr, nullptr,
                                             &acl, nullptr, &descriptor);
    if (read != ERROR_SUCCESS) return {L"unreadable"};
    std::vector<std::wstring> sids;
    for (DWORD i = 0; acl && i < acl->AceCount; ++i) {
        ACCESS_ALLOWED_ACE* ace = nullptr;
        if (GetAce(acl, i, reinterpret_cast<void**>(&ace)) && ace->Header.AceType == ACCESS_ALLOWED_ACE_TYPE) {
            sids.push_back(SidText(&ace->SidStart));
        }
    }
    LocalFree(descriptor);
    return acl ? sids : std::vector<std::wstring>{L"no list: everybody"};
}

std::wstring CurrentUserSid()
{
    HANDLE token = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token);
    const win32::UniqueHandle owner(token);
    DWORD user[128] = {}, size = 0;
    const bool read = GetTokenInformation(token, TokenUser, user, sizeof user, &size);
    return read ? SidText(reinterpret_cast<TOKEN_USER*>(user)->User.Sid) : L"?";
}

void KillRenderer()
{
    DWORD id = 0;
    if (HWND window = FindWindowW(nullptr, kRendererTitle)) GetWindowThreadProcessId(window, &id);
    Process renderer(OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, id));
}

win32::UniqueWindow OpenWindow(const wchar_t* title, DWORD style, RECT area)
{
    win32::UniqueWindow window(CreateWindowExW(0, L"STATIC", title, style, area.left, area.top, area.right - area.left,
                                               area.bottom - area.top, nullptr, nullptr, nullptr, nullptr));
    UpdateWindow(window.get());
    return window;
}

}  // namespace wavorin::e2e
