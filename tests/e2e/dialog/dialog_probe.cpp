// What the settings dialog shows to the keyboard, read from another process for the shell
// test: "focus" prints what has the keyboard focus ("repeat" for the repeat box, else the
// control's text, or its class when it has none; "dialog" for the window itself, "none");
// "text" prints the focused control's text; "active" prints "yes" when the dialog is the
// foreground window, which keys go to; "chooser" prints what the open file chooser shows
// ("refusal" while a message box of its own is up, "read-only box" when it offers one, else
// "plain"; "none" without a chooser). Output is UTF-8; exit code 1 when there is no dialog.
#include <windows.h>

#include <dlgs.h>

#include <cstring>
#include <string>

namespace {

std::wstring ClassOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window)
{
    wchar_t text[512] = {};
    // Marshalled across processes, unlike GetWindowTextW, so an edit control's text arrives.
    SendMessageTimeoutW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

std::wstring FocusName(HWND dialog, HWND focus)
{
    if (!focus) return L"none";
    if (focus == dialog) return L"dialog";
    if (IsChild(dialog, focus) && ClassOf(GetParent(focus)) == L"ComboBox") return L"repeat";
    const std::wstring text = TextOf(focus);
    return text.empty() || ClassOf(focus) == L"Edit" ? ClassOf(focus) : text;
}

std::wstring ChooserState(HWND dialog)
{
    HWND chooser = nullptr;
    while ((chooser = FindWindowExW(nullptr, chooser, L"#32770", L"ﾌｧｲﾙを開く")) != nullptr) {
        if (GetWindow(chooser, GW_OWNER) == dialog) break;
    }
    if (!chooser) return L"none";
    for (HWND box = nullptr; (box = FindWindowExW(nullptr, box, L"#32770", nullptr)) != nullptr;) {
        if (GetWindow(box, GW_OWNER) == chooser) return L"refusal";
    }
    return IsWindowVisible(GetDlgItem(chooser, chx1)) ? L"read-only box" : L"plain";
}

}  // namespace

int main(int argc, char** argv)
{
    const HWND dialog = FindWindowW(nullptr, L"■Wavorin■");
    if (!dialog || argc < 2) return 1;
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread);
    std::wstring answer = FocusName(dialog, thread.hwndFocus);
    if (std::strcmp(argv[1], "text") == 0) answer = thread.hwndFocus ? TextOf(thread.hwndFocus) : L"";
    if (std::strcmp(argv[1], "chooser") == 0) answer = ChooserState(dialog);
    if (std::strcmp(argv[1], "active") == 0) answer = GetForegroundWindow() == dialog ? L"yes" : L"no";
    std::string bytes(answer.size() * 4 + 1, '\0');
    bytes.resize(std::size_t(WideCharToMultiByte(CP_UTF8, 0, answer.c_str(), int(answer.size()), bytes.data(),
                                                 int(bytes.size()), nullptr, nullptr)));
    bytes += '\n';
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), DWORD(bytes.size()), &written, nullptr);
    return 0;
}
