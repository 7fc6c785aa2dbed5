#pragma once
// What a control tells a screen reader: its role, name, value and state, through the object a
// screen reader asks its window for (WM_GETOBJECT for the client area). Everything else a
// screen reader asks (place on screen, parent, neighbours) the system's own object answers.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>

namespace wavorin::win32 {

struct AccessibleFacts {
    long role = 0;  // a ROLE_SYSTEM_ value
    std::wstring name;
    std::wstring value;
    std::wstring defaultAction;  // what the action does, as a screen reader says it; empty for none
    long state = 0;  // STATE_SYSTEM_ values beyond those the window shows (enabled, focused, visible)
};

class AccessibleAnswer {
public:
    using Describe = std::function<AccessibleFacts()>;
    using Act = std::function<void()>;

    // `describe` is asked at every question, so the answers follow the control; `act` is the
    // default action, if any.
    AccessibleAnswer(HWND window, Describe describe, Act act = {});
    ~AccessibleAnswer();  // a screen reader still holding the object is told it is gone
    AccessibleAnswer(const AccessibleAnswer&) = delete;
    AccessibleAnswer& operator=(const AccessibleAnswer&) = delete;

    // The answer to WM_GETOBJECT, or nothing when the question is not about the client area.
    std::optional<LRESULT> Answer(WPARAM flags, LPARAM objectId) const;

    // Tells screen readers that something changed: EVENT_OBJECT_STATECHANGE,
    // EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE or EVENT_OBJECT_NAMECHANGE.
    void Announce(DWORD event) const;

    struct Source;

private:
    std::shared_ptr<Source> source_;
};

// The same for a window of a system class (a combo box and its edit): answers in its place
// for as long as this object lives.
class AccessibleSubclass {
public:
    AccessibleSubclass(HWND window, AccessibleAnswer::Describe describe);
    ~AccessibleSubclass();
    AccessibleSubclass(const AccessibleSubclass&) = delete;
    AccessibleSubclass& operator=(const AccessibleSubclass&) = delete;

    void Announce(DWORD event) const { answer_.Announce(event); }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    HWND window_;
    AccessibleAnswer answer_;
};

// COM for this thread, for as long as it lives: a screen reader in another process reaches
// the controls' objects through it.
class ComApartment {
public:
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool initialised_ = false;
};

}  // namespace wavorin::win32
