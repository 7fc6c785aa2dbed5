#include "host/win32/Window.h"

namespace wavorin::win32 {
namespace {

BOOL CALLBACK PassCueChange(HWND child, LPARAM change)
{
    SendMessageW(child, WM_UPDATEUISTATE, static_cast<WPARAM>(change), 0);
    return TRUE;
}

}  // namespace

Window::~Window()
{
    if (hwnd_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);  // no messages to a half-destroyed object
        DestroyWindow(hwnd_);
    }
}

bool Window::Create(const WindowClass& windowClass, const wchar_t* title, DWORD style, DWORD exStyle, int x, int y,
                    int width, int height, HWND parent)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW description{};
    description.cbSize = sizeof description;
    description.style = windowClass.style;
    description.lpfnWndProc = &Window::Procedure;
    description.hInstance = instance;
    description.hCursor = windowClass.cursor ? windowClass.cursor : LoadCursorW(nullptr, IDC_ARROW);
    description.hbrBackground = windowClass.background;
    description.lpszClassName = windowClass.name;
    if (!RegisterClassExW(&description) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    return CreateWindowExW(exStyle, windowClass.name, title, style, x, y, width, height, parent, nullptr, instance,
                           this) != nullptr;
}

void Window::SetAccessible(AccessibleAnswer::Describe describe, AccessibleAnswer::Act act)
{
    accessible_ = std::make_unique<AccessibleAnswer>(hwnd_, std::move(describe), std::move(act));
}

void Window::Announce(DWORD event) const
{
    if (accessible_) accessible_->Announce(event);
}

// A control passes a request up; the top-level window works out the new state and, if it
// differs, tells itself and every control (WM_UPDATEUISTATE).
void Window::ChangeCues(WPARAM request)
{
    if (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD) {
        SendMessageW(GetParent(hwnd_), WM_CHANGEUISTATE, request, 0);
        return;
    }
    WORD action = LOWORD(request);
    WORD flags = HIWORD(request) & (UISF_HIDEFOCUS | UISF_HIDEACCEL);
    if (action == UIS_INITIALIZE) {
        // Hidden until the keyboard is used, unless the user asked to see them always.
        BOOL alwaysShown = FALSE;
        SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &alwaysShown, 0);
        action = alwaysShown ? UIS_CLEAR : UIS_SET;
        flags = UISF_HIDEFOCUS | UISF_HIDEACCEL;
    }
    const WORD hidden = action == UIS_SET ? WORD(hiddenCues_ | flags) : action == UIS_CLEAR ? WORD(hiddenCues_ & ~flags) : hiddenCues_;
    if (hidden != hiddenCues_) SendMessageW(hwnd_, WM_UPDATEUISTATE, MAKEWPARAM(action, flags), 0);
}

void Window::UpdateCues(WPARAM change)
{
    const WORD flags = HIWORD(change) & (UISF_HIDEFOCUS | UISF_HIDEACCEL);
    if (LOWORD(change) == UIS_SET) hiddenCues_ = WORD(hiddenCues_ | flags);
    if (LOWORD(change) == UIS_CLEAR) hiddenCues_ = WORD(hiddenCues_ & ~flags);
    if (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_CHILD) return;
    EnumChildWindows(hwnd_, &PassCueChange, static_cast<LPARAM>(change));
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETOBJECT:
        if (accessible_) {
            if (const auto answer = accessible_->Answer(wParam, lParam)) return *answer;
        }
        break;
    case WM_CHANGEUISTATE:
        ChangeCues(wParam);
        return 0;
    case WM_UPDATEUISTATE:
        UpdateCues(wParam);
        return 0;
    case WM_QUERYUISTATE:
        return hiddenCues_;
    default:
        break;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return DefWindowProcW(window, message, wParam, lParam);

    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
    }
    return result;
}

}  // namespace wavorin::win32
