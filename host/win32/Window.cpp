#include "host/win32/Window.h"

namespace wavorin::win32 {

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

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETOBJECT && accessible_) {
        if (const auto answer = accessible_->Answer(wParam, lParam)) return *answer;
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
