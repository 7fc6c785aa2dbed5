// What the settings dialog shows to the keyboard, read from another process for the shell
// test: "focus" prints what has the keyboard focus ("repeat" for the repeat box, else the
// control's text, or its class when it has none; "dialog" for the window itself, "none");
// "text" prints the focused control's text; "active" prints "yes" when the dialog is the
// foreground window, which keys go to; "chooser" prints what the open file chooser shows
// ("refusal" while a message box of its own is up, "read-only box" when it offers one, else
// "plain"; "none" without a chooser); "reader" prints what a screen reader reads of the dialog
// and of each of its controls, a line each ("role name [value] states"), through the objects
// their windows hand out; "owner" prints "caller" when the dialog is owned by the caller
// window below, "none" when it is owned by none.
// "caller" shows a window titled "Wavorin caller", prints its handle in decimal and lives until
// it is closed (at most 5 minutes); "caller-state" prints whether it takes input ("enabled",
// "disabled") and whether it is the foreground window ("active", "inactive").
// Output is UTF-8; exit code 1 when there is no dialog (or no caller).
#include <windows.h>

#include <dlgs.h>
#include <oleacc.h>

#include <cstdint>
#include <cstdio>
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

// IAccessible's identifier, spelled out: MinGW's IID_IAccessible is an import that reads wrong.
constexpr IID kAccessibleInterface = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

std::wstring Words(long role, long state)
{
    const std::pair<long, const wchar_t*> roles[] = {
        {ROLE_SYSTEM_DIALOG, L"dialog"}, {ROLE_SYSTEM_GROUPING, L"group"}, {ROLE_SYSTEM_STATICTEXT, L"label"},
        {ROLE_SYSTEM_RADIOBUTTON, L"radio"}, {ROLE_SYSTEM_COMBOBOX, L"combo"}, {ROLE_SYSTEM_TEXT, L"text"},
        {ROLE_SYSTEM_PUSHBUTTON, L"button"}, {ROLE_SYSTEM_LINK, L"link"}, {ROLE_SYSTEM_CLIENT, L"client"}};
    std::wstring words = L"role" + std::to_wstring(role);
    for (const auto& [value, word] : roles) {
        if (value == role) words = word;
    }
    const std::pair<long, const wchar_t*> states[] = {
        {STATE_SYSTEM_CHECKED, L"checked"}, {STATE_SYSTEM_UNAVAILABLE, L"unavailable"}, {STATE_SYSTEM_FOCUSED, L"focused"},
        {STATE_SYSTEM_FOCUSABLE, L"focusable"}, {STATE_SYSTEM_READONLY, L"read-only"}, {STATE_SYSTEM_LINKED, L"linked"},
        {STATE_SYSTEM_INVISIBLE, L"invisible"}};
    std::wstring stateWords;
    for (const auto& [flag, word] : states) {
        if (state & flag) stateWords += std::wstring(L" ") + word;
    }
    return words + L"|" + stateWords;
}

std::wstring Read(HWND window)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(window, OBJID_CLIENT, kAccessibleInterface, reinterpret_cast<void**>(&object)))) {
        return L"no object";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role{}, state{};
    BSTR name = nullptr, value = nullptr;
    object->get_accRole(self, &role);
    object->get_accState(self, &state);
    object->get_accName(self, &name);
    object->get_accValue(self, &value);
    object->Release();
    const std::wstring words = Words(role.vt == VT_I4 ? role.lVal : -1, state.vt == VT_I4 ? state.lVal : 0);
    std::wstring line = words.substr(0, words.find(L'|')) + L" \"" + (name ? name : L"") + L"\"";
    if (value) line += std::wstring(L" [") + value + L"]";
    line += words.substr(words.find(L'|') + 1);
    SysFreeString(name);
    SysFreeString(value);
    return line;
}

std::wstring ReaderView(HWND dialog)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    std::wstring lines = Read(dialog);
    EnumChildWindows(
        dialog,
        [](HWND child, LPARAM out) {
            *reinterpret_cast<std::wstring*>(out) += L"\n" + Read(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&lines));
    return lines;
}

HWND Caller() { return FindWindowW(nullptr, L"Wavorin caller"); }

int ShowCaller()
{
    const HWND caller = CreateWindowExW(0, L"STATIC", L"Wavorin caller", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                                        300, 200, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!caller) return 1;
    const std::string handle = std::to_string(reinterpret_cast<std::uintptr_t>(caller)) + "\n";
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), handle.data(), DWORD(handle.size()), &written, nullptr);
    SetTimer(nullptr, 0, 300000, nullptr);
    MSG message;
    while (IsWindow(caller) && GetMessageW(&message, nullptr, 0, 0) > 0 && message.message != WM_TIMER) {
        DispatchMessageW(&message);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc >= 2 && std::strcmp(argv[1], "caller") == 0) return ShowCaller();
    const HWND dialog = FindWindowW(nullptr, L"■Wavorin■");
    if (argc >= 2 && std::strcmp(argv[1], "caller-state") == 0) {
        if (!Caller()) return 1;
        std::printf("%s %s\n", IsWindowEnabled(Caller()) ? "enabled" : "disabled",
                    GetForegroundWindow() == Caller() ? "active" : "inactive");
        return 0;
    }
    if (!dialog || argc < 2) return 1;
    GUITHREADINFO thread{};
    thread.cbSize = sizeof thread;
    GetGUIThreadInfo(GetWindowThreadProcessId(dialog, nullptr), &thread);
    std::wstring answer = FocusName(dialog, thread.hwndFocus);
    if (std::strcmp(argv[1], "text") == 0) answer = thread.hwndFocus ? TextOf(thread.hwndFocus) : L"";
    if (std::strcmp(argv[1], "chooser") == 0) answer = ChooserState(dialog);
    if (std::strcmp(argv[1], "active") == 0) answer = GetForegroundWindow() == dialog ? L"yes" : L"no";
    if (std::strcmp(argv[1], "reader") == 0) answer = ReaderView(dialog);
    if (std::strcmp(argv[1], "owner") == 0) {
        const HWND owner = GetWindow(dialog, GW_OWNER);
        answer = !owner ? L"none" : owner == Caller() ? L"caller" : L"another";
    }
    std::string bytes(answer.size() * 4 + 1, '\0');
    bytes.resize(std::size_t(WideCharToMultiByte(CP_UTF8, 0, answer.c_str(), int(answer.size()), bytes.data(),
                                                 int(bytes.size()), nullptr, nullptr)));
    bytes += '\n';
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), DWORD(bytes.size()), &written, nullptr);
    return 0;
}
