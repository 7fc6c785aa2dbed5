#pragma once
// Keyboard routing for a dialog built from plain windows: the keys of its controls go
// through the dialog manager, as a system dialog's own loop sends them (Tab, Shift+Tab,
// Esc, Enter), whatever message loop runs the window.

#include <windows.h>

#include "host/win32/Handles.h"

namespace wavorin::win32 {

class DialogKeys {
public:
    // Routes the keys of `dialog`'s controls from now on, for as long as this object lives.
    void Attach(HWND dialog);
    // Stops routing for `dialog`; called as it is destroyed.
    static void Detach(HWND dialog);

private:
    struct HookTraits {
        using Handle = HHOOK;
        static Handle Invalid() { return nullptr; }
        static void Close(Handle hook) { UnhookWindowsHookEx(hook); }
    };
    Unique<HookTraits> hook_;
};

}  // namespace wavorin::win32
