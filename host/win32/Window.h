#pragma once
// Base of the host's windows: registers the class once, routes messages to HandleMessage,
// and destroys the window with the object.

#include <windows.h>

#include <memory>

#include "host/win32/Accessible.h"

namespace wavorin::win32 {

struct WindowClass {
    const wchar_t* name;
    UINT style = 0;
    HBRUSH background = nullptr;  // a stock brush or nullptr; never deleted
    HCURSOR cursor = nullptr;
};

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const { return hwnd_; }

    // What the window tells a screen reader from now on (its answer to WM_GETOBJECT).
    void SetAccessible(AccessibleAnswer::Describe describe, AccessibleAnswer::Act act = {});
    // Tells screen readers that the window's state, value or name changed (an EVENT_OBJECT_ value).
    void Announce(DWORD event) const;

protected:
    // Whether the window hides its focus cue now: the keyboard-cue state (UISF_ flags) that
    // WM_CHANGEUISTATE and WM_UPDATEUISTATE tell it. Each window keeps its own, answers
    // WM_QUERYUISTATE from it and, as a top-level window, passes a change on to all its
    // controls: not every system keeps it (Wine's answer is always 0).
    bool FocusCueHidden() const { return (hiddenCues_ & UISF_HIDEFOCUS) != 0; }

    bool Create(const WindowClass& windowClass, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                int width, int height, HWND parent);
    // Messages not handled here go to DefWindowProcW.
    virtual LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    void ChangeCues(WPARAM request);
    void UpdateCues(WPARAM change);

    std::unique_ptr<AccessibleAnswer> accessible_;
    WORD hiddenCues_ = 0;
};

}  // namespace wavorin::win32
