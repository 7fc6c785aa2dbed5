#include "host/controls/FramePanel.h"

#include "host/controls/FramePainter.h"
#include "host/controls/GdiSupport.h"

namespace wavorin::controls {

bool FramePanel::Create(HWND parent, int x, int y, int width, int height, COLORREF ambientBack, int id)
{
    ambientBack_ = static_cast<Colour>(ambientBack);
    properties_ = DefaultFramePanel(ambientBack_);
    static const win32::WindowClass kClass{kFramePanelClass};
    // Tab and dialog navigation go through the panel to the controls on it. No clipping of
    // the children: the face lies below them, so labels without a background show it.
    if (!Window::Create(kClass, L"", WS_CHILD | WS_VISIBLE, WS_EX_CONTROLPARENT, x, y, width, height, parent)) {
        return false;
    }
    SetWindowLongPtrW(hwnd(), GWLP_ID, id);
    return true;
}

void FramePanel::InitProperties()
{
    properties_ = DefaultFramePanel(ambientBack_);
}

void FramePanel::ReadProperties(const PropertyStore& store)
{
    properties_ = ReadFramePanel(store, ambientBack_);
    Refresh();
}

PropertyStore FramePanel::WriteProperties() const
{
    PropertyStore store;
    WriteFramePanel(store, properties_, ambientBack_);
    return store;
}

void FramePanel::SetAmbientBackColour(COLORREF colour)
{
    ambientBack_ = static_cast<Colour>(colour);
    Refresh();
}

void FramePanel::Changed(std::string_view key)
{
    if (onPropertyChanged) {
        const auto handler = onPropertyChanged;
        handler(key);
    }
    Refresh();
}

void FramePanel::SetFrameStyle(std::int32_t style)
{
    properties_.frameStyle = style;
    Changed("FrameStyle");
}

void FramePanel::SetShadowOpacity(int percent)
{
    properties_.shadowOpacity = ClampShadowOpacity(percent);
    Changed("ShadowOpacity");
}

void FramePanel::SetShowShadow(bool show)
{
    properties_.showShadow = show;
    Changed("ShowShadow");
}

void FramePanel::SetShadowDepth(int pixels)
{
    properties_.shadowDepth = ClampShadowDepth(pixels);
    Changed("ShadowDepth");
}

void FramePanel::SetFillColour(COLORREF colour)
{
    properties_.fillColour = static_cast<Colour>(colour);
    Changed("FillColour");
}

void FramePanel::SetBackColour(COLORREF colour)
{
    properties_.backColour = static_cast<Colour>(colour);
    Changed("BackColour");
}

void FramePanel::SetBackColourIs(std::int32_t which)
{
    properties_.backColourIs = which;
    Changed("BackColourIs");
}

void FramePanel::SetBorderColour(COLORREF colour)
{
    properties_.borderColour = static_cast<Colour>(colour);
    Changed("BorderColour");
}

void FramePanel::SetCornerDepth(int pixels)
{
    properties_.cornerDepth = ClampCornerDepth(pixels);
    Changed("CornerDepth");
}

void FramePanel::Refresh()
{
    if (!hwnd()) return;
    RECT client{};
    GetClientRect(hwnd(), &client);
    if (image_.width() != client.right || image_.height() != client.bottom) image_.Resize(client.right, client.bottom);
    const int width = ClientPixels(client.right);
    const int height = ClientPixels(client.bottom);
    DrawFrame(image_, properties_, FrameBackground(properties_, ambientBack_), width, height, width, height);
    // The children are repainted after the face they lie on.
    RedrawWindow(hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
}

LRESULT FramePanel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        Refresh();
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        win32::PaintScope paint(hwnd());
        image_.Show(paint.dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        image_.Show(reinterpret_cast<HDC>(wParam));
        return 0;
    // The controls on the panel belong to the form: their notifications go on to it.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
        if (const HWND parent = GetParent(hwnd())) return SendMessageW(parent, message, wParam, lParam);
        return Window::HandleMessage(message, wParam, lParam);
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace wavorin::controls
