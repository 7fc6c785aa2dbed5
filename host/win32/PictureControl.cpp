#include "host/win32/PictureControl.h"

namespace wavorin::win32 {

bool PictureControl::Create(HWND parent, UniqueBitmap picture, int x, int y, int width, int height)
{
    picture_ = std::move(picture);
    static const WindowClass kClass{L"Wavorin_Picture", CS_HREDRAW | CS_VREDRAW};
    return Window::Create(kClass, L"", WS_CHILD | WS_VISIBLE, 0, x, y, width, height, parent);
}

LRESULT PictureControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // the picture covers everything
    case WM_PAINT:
        Paint();
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

void PictureControl::Paint()
{
    PaintScope paint(hwnd());
    RECT client{};
    GetClientRect(hwnd(), &client);
    BITMAP info{};
    if (!picture_ || !GetObjectW(picture_.get(), sizeof info, &info)) {
        FillRect(paint.dc(), &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        return;
    }
    UniqueMemoryDc source(CreateCompatibleDC(paint.dc()));
    SelectedObject selected(source.get(), picture_.get());
    SetStretchBltMode(paint.dc(), HALFTONE);
    SetBrushOrgEx(paint.dc(), 0, 0, nullptr);
    StretchBlt(paint.dc(), 0, 0, client.right, client.bottom, source.get(), 0, 0, info.bmWidth, info.bmHeight, SRCCOPY);
}

}  // namespace wavorin::win32
