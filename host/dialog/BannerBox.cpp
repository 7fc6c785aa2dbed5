#include "host/dialog/BannerBox.h"

#include "host/win32/Handles.h"

namespace wavorin::dialog {

bool BannerBox::Create(HWND parent, int x, int y, int width, int height, HBITMAP strip, int frameHeight, HCURSOR cursor)
{
    strip_ = strip;
    frameHeight_ = frameHeight;
    // Every banner box shares the class, and with it the cursor.
    const win32::WindowClass windowClass{L"Wavorin_BannerBox", 0, nullptr, cursor};
    return Window::Create(windowClass, L"", WS_CHILD | WS_VISIBLE | WS_BORDER, 0, x, y, width, height, parent);
}

void BannerBox::ShowFrame(int frame)
{
    frame_ = frame;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT BannerBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        SetCapture(hwnd());
        return 0;
    case WM_LBUTTONUP: {
        const bool wasPressed = pressed_;
        pressed_ = false;
        ReleaseCapture();
        RECT client{};
        GetClientRect(hwnd(), &client);
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        // A click is a press and a release over the box.
        if (wasPressed && PtInRect(&client, at) && onClick) {
            const auto handler = onClick;
            handler();
        }
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

void BannerBox::Paint()
{
    win32::PaintScope paint(hwnd());
    RECT client{};
    GetClientRect(hwnd(), &client);
    win32::UniqueBrush background(CreateSolidBrush(RGB(224, 224, 224)));
    FillRect(paint.dc(), &client, background.get());
    if (frame_ <= 0 || !strip_) return;
    BITMAP info{};
    GetObjectW(strip_, sizeof info, &info);
    win32::UniqueMemoryDc source(CreateCompatibleDC(paint.dc()));
    win32::SelectedObject selected(source.get(), strip_);
    BitBlt(paint.dc(), 0, 0, info.bmWidth, frameHeight_, source.get(), 0, (frame_ - 1) * frameHeight_, SRCCOPY);
}

}  // namespace wavorin::dialog
