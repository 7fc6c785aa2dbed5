#include "host/dialog/DialogLabel.h"

#include <algorithm>

#include "host/win32/Handles.h"

namespace wavorin::dialog {

bool DialogLabel::Create(HWND parent, int x, int y, int width, int height, std::wstring text, const LabelLook& look)
{
    text_ = std::move(text);
    look_ = look;
    static const win32::WindowClass kClass{L"Wavorin_Label"};
    if (!look_.border && !look_.centred && !text_.empty()) width = std::max(width, TextWidth());
    return Window::Create(kClass, text_.c_str(), WS_CHILD | WS_VISIBLE, 0, x, y, width, height, parent);
}

// The sizes are laid out for the dialog's own face; where another face stands in and is
// wider, a one-line label grows to the right rather than cut its text.
int DialogLabel::TextWidth() const
{
    win32::WindowDc screen(nullptr);
    if (!screen) return 0;
    win32::SelectedObject font(screen.get(), look_.font ? look_.font : GetStockObject(DEFAULT_GUI_FONT));
    SIZE size{};
    GetTextExtentPoint32W(screen.get(), text_.c_str(), static_cast<int>(text_.size()), &size);
    return size.cx;
}

void DialogLabel::SetText(std::wstring text)
{
    text_ = std::move(text);
    SetWindowTextW(hwnd(), text_.c_str());
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void DialogLabel::SetTabStop(bool tabStop)
{
    const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_STYLE);
    SetWindowLongPtrW(hwnd(), GWL_STYLE, tabStop ? style | WS_TABSTOP : style & ~LONG_PTR(WS_TABSTOP));
}

void DialogLabel::SetPicture(HBITMAP picture)
{
    picture_ = picture;
    InvalidateRect(hwnd(), nullptr, FALSE);
}

LRESULT DialogLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // Paint draws the backdrop
    case WM_PAINT:
        Paint();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        if (onMouseDown) {
            const auto handler = onMouseDown;
            handler();
        }
        return 0;
    case WM_GETDLGCODE:
        // An option's label takes the arrows from the dialog manager, as option buttons do.
        return onArrowKey ? DLGC_WANTARROWS | DLGC_RADIOBUTTON : DLGC_STATIC;
    case WM_KEYDOWN:
        return OnKeyDown(wParam, lParam);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        InvalidateRect(hwnd(), nullptr, FALSE);
        if (message == WM_SETFOCUS) Announce(EVENT_OBJECT_FOCUS);
        return 0;
    case WM_UPDATEUISTATE:  // the keyboard cues were shown or hidden
        Window::HandleMessage(message, wParam, lParam);
        InvalidateRect(hwnd(), nullptr, FALSE);
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

LRESULT DialogLabel::OnKeyDown(WPARAM key, LPARAM flags)
{
    // Copies: a handler may destroy the label.
    const bool repeated = (flags & (1 << 30)) != 0;
    const int step = key == VK_UP || key == VK_LEFT ? -1 : key == VK_DOWN || key == VK_RIGHT ? 1 : 0;
    if (key == VK_SPACE && !repeated && onSpaceKey) {
        const auto choose = onSpaceKey;
        choose();
        return 0;
    }
    if (step == 0 || !onArrowKey) return DefWindowProcW(hwnd(), WM_KEYDOWN, key, flags);
    const auto move = onArrowKey;
    move(step);
    return 0;
}

bool DialogLabel::ShowsFocusCue() const
{
    return GetFocus() == hwnd() && !FocusCueHidden();
}

void DialogLabel::PaintBackdrop(HDC dc, const RECT& client)
{
    if (look_.backdrop && look_.backdrop->dc()) {
        // Our place on the parent's face.
        POINT origin{0, 0};
        MapWindowPoints(hwnd(), GetParent(hwnd()), &origin, 1);
        BitBlt(dc, 0, 0, client.right, client.bottom, look_.backdrop->dc(), origin.x, origin.y, SRCCOPY);
        return;
    }
    win32::UniqueBrush brush(CreateSolidBrush(look_.colour));
    FillRect(dc, &client, brush.get());
}

void DialogLabel::Paint()
{
    win32::PaintScope paint(hwnd());
    RECT client{};
    GetClientRect(hwnd(), &client);
    // Drawn off screen first, so the label never flickers through its backdrop.
    win32::UniqueMemoryDc dc(CreateCompatibleDC(paint.dc()));
    win32::UniqueBitmap surface(CreateCompatibleBitmap(paint.dc(), client.right, client.bottom));
    win32::SelectedObject selectedSurface(dc.get(), surface.get());
    PaintBackdrop(dc.get(), client);

    if (look_.etched) {
        win32::SelectedObject noFill(dc.get(), GetStockObject(NULL_BRUSH));
        win32::SelectedObject black(dc.get(), GetStockObject(BLACK_PEN));
        Rectangle(dc.get(), 0, 0, client.right - 1, client.bottom - 1);
        win32::SelectedObject white(dc.get(), GetStockObject(WHITE_PEN));
        Rectangle(dc.get(), 1, 1, client.right, client.bottom);
    }
    if (look_.border) {
        win32::SelectedObject noFill(dc.get(), GetStockObject(NULL_BRUSH));
        win32::SelectedObject black(dc.get(), GetStockObject(BLACK_PEN));
        Rectangle(dc.get(), 0, 0, client.right, client.bottom);
    }

    if (picture_) {
        BITMAP info{};
        GetObjectW(picture_, sizeof info, &info);
        win32::UniqueMemoryDc source(CreateCompatibleDC(paint.dc()));
        win32::SelectedObject selected(source.get(), picture_);
        BitBlt(dc.get(), 0, 0, info.bmWidth, info.bmHeight, source.get(), 0, 0, SRCCOPY);
    } else if (!text_.empty()) {
        win32::SelectedObject font(dc.get(), look_.font ? look_.font : GetStockObject(DEFAULT_GUI_FONT));
        SetBkMode(dc.get(), TRANSPARENT);
        SetTextColor(dc.get(), RGB(0, 0, 0));
        RECT text = client;
        text.top += look_.textTop;
        if (look_.border) InflateRect(&text, -2, -2);
        UINT format = DT_NOPREFIX | (look_.centred ? DT_CENTER : DT_LEFT);
        format |= look_.border ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
        DrawTextW(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &text, format);
    }
    if (ShowsFocusCue()) {
        SetTextColor(dc.get(), RGB(0, 0, 0));  // the dotted line takes the text colour
        DrawFocusRect(dc.get(), &client);
    }
    BitBlt(paint.dc(), 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
}

}  // namespace wavorin::dialog
