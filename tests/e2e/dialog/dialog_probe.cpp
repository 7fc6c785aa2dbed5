// What the settings dialog shows to the keyboard, read from another process for the shell
// test: "focus" prints what has the keyboard focus ("repeat" for the repeat box, a button's
// caption, "dialog" for the window itself, "none"); "repeat" prints the repeat box's text;
// "active" prints "yes" when the dialog is the foreground window, which keys go to.
// Output is UTF-8; exit code 1 when there is no dialog.
#include <windows.h>

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

BOOL CALLBACK FindComboBox(HWND window, LPARAM found)
{
    if (ClassOf(window) != L"ComboBox") return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

void Print(const std::wstring& text)
{
    std::string bytes(text.size() * 4 + 2, '\0');
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()), bytes.data(),
                                           static_cast<int>(bytes.size()), nullptr, nullptr);
    bytes.resize(static_cast<std::size_t>(length > 0 ? length : 0));
    bytes += '\n';
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
}

}  // namespace

int main(int argc, char** argv)
{
    const HWND dialog = FindWindowW(nullptr, L"■Wavorin■");
    if (!dialog || argc < 2) return 1;
    HWND repeat = nullptr;
    EnumChildWindows(dialog, &FindComboBox, reinterpret_cast<LPARAM>(&repeat));

    if (std::strcmp(argv[1], "active") == 0) {
        Print(GetForegroundWindow() == dialog ? L"yes" : L"no");
        return 0;
    }
    if (std::strcmp(argv[1], "repeat") == 0) {
        Print(repeat ? TextOf(repeat) : L"");
        return 0;
    }
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread);
    const HWND focus = thread.hwndFocus;
    if (!focus) {
        Print(L"none");
    } else if (focus == dialog) {
        Print(L"dialog");
    } else if (repeat && (focus == repeat || IsChild(repeat, focus))) {
        Print(L"repeat");
    } else if (ClassOf(focus) == L"Wavorin_XpButton") {
        Print(TextOf(focus));
    } else {
        Print(ClassOf(focus));
    }
    return 0;
}
