#include "host/preview/PreviewWindow.h"

#include "host/assets/Resources.h"

namespace wavorin::preview {
namespace {

constexpr wchar_t kPreviewWindowClass[] = L"Zelvane_R";

constexpr UINT_PTR kParentWatchTimer = 1;
constexpr UINT kParentWatchMs = 500;

}  // namespace

bool PreviewWindow::Create()
{
    static const win32::WindowClass kClass{kPreviewWindowClass, 0, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH))};
    if (!Window::Create(kClass, kPreviewWindowTitle, WS_POPUP, 0, 0, 0, 0, 0, nullptr)) return false;
    win32::UniqueBitmap picture(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr),
                                                                MAKEINTRESOURCEW(IDB_PREVIEW), IMAGE_BITMAP, 0, 0,
                                                                LR_CREATEDIBSECTION)));
    stillPicture_.Create(hwnd(), std::move(picture), 0, 0, 0, 0);
    return true;
}

void PreviewWindow::EmbedInto(HWND parent)
{
    parent_ = parent;
    RECT area{};
    GetWindowRect(parent, &area);  // on failure the size stays 0 x 0
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;

    // A child cannot also be a popup: trade the one style bit for the other.
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, (style & ~LONG_PTR(WS_POPUP)) | WS_CHILD);
    SetParent(hwnd(), parent);
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    SetWindowPos(stillPicture_.hwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(hwnd(), SW_SHOW);
    SetTimer(hwnd(), kParentWatchTimer, kParentWatchMs, nullptr);
}

LRESULT PreviewWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kParentWatchTimer) WatchParent();
        return 0;
    case WM_DESTROY:
        OnDestroy();
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

// A preview pane that has gone away (or never was a window) would leave this program
// running unseen forever.
void PreviewWindow::WatchParent()
{
    if (!IsWindow(parent_)) DestroyWindow(hwnd());
}

void PreviewWindow::OnDestroy()
{
    KillTimer(hwnd(), kParentWatchTimer);
    if (HWND owner = GetWindow(hwnd(), GW_OWNER)) PostMessageW(owner, WM_CLOSE, 0, 0);
    PostQuitMessage(0);  // the program has no other window
}

}  // namespace wavorin::preview
