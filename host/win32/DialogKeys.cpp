#include "host/win32/DialogKeys.h"

namespace wavorin::win32 {
namespace {

// Marks a window whose keys go through the dialog manager.
constexpr wchar_t kDialogKeysProperty[] = L"Wavorin.DialogKeys";

// Sees every message the thread's loops take from the queue. A key for a control of a marked
// window goes to the dialog manager, which handles it (or dispatches it itself); the loop
// then gets a message that does nothing.
LRESULT CALLBACK RouteDialogKeys(int code, WPARAM removal, LPARAM lParam)
{
    auto* message = reinterpret_cast<MSG*>(lParam);
    if (code == HC_ACTION && removal == PM_REMOVE && message && message->hwnd && message->message >= WM_KEYFIRST &&
        message->message <= WM_KEYLAST) {
        const HWND root = GetAncestor(message->hwnd, GA_ROOT);
        if (root && GetPropW(root, kDialogKeysProperty)) {
            const WPARAM key = message->wParam;
            const bool moves = key == VK_TAB || key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
            // The keyboard moves the focus: its cues show from now on, as in the system's dialogs.
            if (message->message == WM_KEYDOWN && moves) {
                SendMessageW(root, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
            }
            if (IsDialogMessageW(root, message)) message->message = WM_NULL;
        }
    }
    return CallNextHookEx(nullptr, code, removal, lParam);
}

}  // namespace

void DialogKeys::Attach(HWND dialog)
{
    // The mark goes with the window; the hook, for this thread, with this object.
    SetPropW(dialog, kDialogKeysProperty, reinterpret_cast<HANDLE>(1));
    hook_.reset(SetWindowsHookExW(WH_GETMESSAGE, &RouteDialogKeys, nullptr, GetCurrentThreadId()));
}

void DialogKeys::Detach(HWND dialog) { RemovePropW(dialog, kDialogKeysProperty); }

}  // namespace wavorin::win32
