#include "host/controls/XpButton.h"

#include <oleacc.h>
#include <windowsx.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "host/controls/ButtonPainter.h"
#include "host/controls/Caption.h"

namespace wavorin::controls {
namespace {

constexpr double kMinimumSideTwips = 100;

std::int16_t MouseButtonsOf(WPARAM keys)
{
    std::int16_t buttons = 0;
    if (keys & MK_LBUTTON) buttons |= kLeftButton;
    if (keys & MK_RBUTTON) buttons |= kRightButton;
    if (keys & MK_MBUTTON) buttons |= kMiddleButton;
    return buttons;
}

// Arrows always; Enter too, so the dialog manager hands it to the button instead of
// pressing the default button.
LRESULT DialogCodeFor(const MSG* pending)
{
    LRESULT code = DLGC_BUTTON | DLGC_WANTARROWS;
    if (pending && pending->message == WM_KEYDOWN && pending->wParam == VK_RETURN) code |= DLGC_WANTMESSAGE;
    return code;
}

// The button a press or release message is about.
std::int16_t MouseButtonOf(UINT message)
{
    switch (message) {
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP: return kRightButton;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP: return kMiddleButton;
    default: return kLeftButton;
    }
}

std::int16_t ShiftStateOf(WPARAM keys)
{
    std::int16_t shift = 0;
    if (keys & MK_SHIFT) shift |= 1;
    if (keys & MK_CONTROL) shift |= 2;
    if (GetKeyState(VK_MENU) < 0) shift |= 4;
    return shift;
}

bool IsMdiChild(HWND window)
{
    return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_MDICHILD) != 0;
}

bool IsXpButton(HWND window)
{
    wchar_t className[64] = {};
    return GetClassNameW(window, className, 64) > 0 && std::wstring_view(className) == kXpButtonClass;
}

std::wstring WindowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

struct ButtonSearch {
    HWND self;
    HWND form;
    std::vector<std::wstring> captions;
};

BOOL CALLBACK CollectCaption(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<ButtonSearch*>(data);
    if (window != search.self && IsXpButton(window) && FormOf(window) == search.form) {
        search.captions.push_back(WindowText(window));
    }
    return TRUE;
}

}  // namespace

HWND FormOf(HWND control)
{
    for (HWND window = GetParent(control); window; window = GetParent(window)) {
        if (!(GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) || IsMdiChild(window)) return window;
    }
    return nullptr;
}

XpButton::XpButton()
    : colours_(InitColours()), backColour_(GetSysColor(COLOR_BTNFACE)), font_(InitialButtonFont()),
      fontHandle_(CreateFontFor(font_, dotsPerInch_))
{
}

XpButton::~XpButton()
{
    *alive_ = false;
    alive_.reset();  // a Run in progress on the stack sees the button gone
}

bool XpButton::Create(HWND parent, int x, int y, int width, int height, std::wstring name, int id)
{
    name_ = std::move(name);
    static const win32::WindowClass kClass{kXpButtonClass, CS_DBLCLKS};
    if (!Window::Create(kClass, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, x, y, width, height, parent)) {
        return false;
    }
    SetWindowLongPtrW(hwnd(), GWLP_ID, id);
    DescribeToScreenReaders();
    return true;
}

void XpButton::DescribeToScreenReaders()
{
    SetAccessible(
        [this] {
            win32::AccessibleFacts facts{ROLE_SYSTEM_PUSHBUTTON, accessibleName_, L"", L"押す", STATE_SYSTEM_FOCUSABLE};
            if (facts.name.empty()) {
                // The caption as it reads: "&&" is one ampersand, a single one marks the access key.
                for (std::size_t i = 0; i < caption_.size(); ++i) {
                    if (caption_[i] == L'&' && ++i == caption_.size()) break;
                    facts.name += caption_[i];
                }
            }
            return facts;
        },
        [window = hwnd()] { PostMessageW(window, BM_CLICK, 0, 0); });
}

void XpButton::InitProperties()
{
    ButtonSearch search{hwnd(), FormOf(hwnd()), {}};
    if (search.form) EnumChildWindows(search.form, &CollectCaption, reinterpret_cast<LPARAM>(&search));
    SetCaption(InitialCaption(search.captions, name_));
    SetForeColor(RGB(0, 0, 0));
    SetEnabled(true);
    SetFocusRect(true);
}

void XpButton::ReadProperties(const PropertyStore& store)
{
    form_ = FormOf(hwnd());
    const ButtonProperties properties = ReadButtonProperties(store, font_);
    SetCaption(Utf8ToWide(properties.caption));
    SetForeColor(ToColorRef(properties.foreColor));
    SetFont(properties.font);
    SetFocusRect(properties.focusRect);
    SetEnabled(properties.enabled);
    InstallHooks();
    Run(behaviour_.PropertiesRead());
}

PropertyStore XpButton::WriteProperties() const
{
    ButtonProperties properties;
    properties.caption = WideToUtf8(caption_);
    properties.enabled = behaviour_.Enabled();
    properties.foreColor = static_cast<Colour>(foreColor_);
    properties.font = font_;
    properties.focusRect = behaviour_.FocusRect();
    PropertyStore store;
    WriteButtonProperties(store, properties);
    return store;
}

void XpButton::InstallHooks()
{
    if (hooksInstalled_ || !hwnd()) return;
    hooksInstalled_ = true;
    const auto own = reinterpret_cast<WindowId>(hwnd());
    hooks_.HookWindow(own);
    hooks_.HookMessage(own, WM_MOUSELEAVE, kHookAfter);
    if (!form_) return;
    const auto form = reinterpret_cast<WindowId>(form_);
    hooks_.HookWindow(form);
    hooks_.HookMessage(form, IsMdiChild(form_) ? WM_NCACTIVATE : WM_ACTIVATE, kHookAfter);
}

void XpButton::RemoveHooks()
{
    hooks_.UnhookWindow(reinterpret_cast<WindowId>(hwnd()));
    if (form_) hooks_.UnhookWindow(reinterpret_cast<WindowId>(form_));
}

void XpButton::SetCaption(std::wstring caption)
{
    caption_ = std::move(caption);
    accessKey_ = AccessKeyOf(caption_);
    // The window text carries the caption too: the dialog manager finds access keys in it.
    if (hwnd()) SetWindowTextW(hwnd(), caption_.c_str());
    Run(behaviour_.Redraw());
    PropertyChanged("Caption");
}

void XpButton::SetEnabled(bool enabled)
{
    const ButtonActions actions = behaviour_.SetEnabled(enabled);
    if (hwnd()) EnableWindow(hwnd(), enabled);
    Run(actions);
    PropertyChanged("Enabled");
}

void XpButton::SetFont(const FontInfo& font)
{
    font_ = font;
    // What a change of the font object does.
    UniqueFont handle = CreateFontFor(font_, dotsPerInch_);
    if (handle) fontHandle_ = std::move(handle);
    Run(behaviour_.Redraw());
    PropertyChanged("Font");
}

void XpButton::SetDotsPerInch(int dotsPerInch)
{
    dotsPerInch_ = dotsPerInch;
    UniqueFont handle = CreateFontFor(font_, dotsPerInch_);
    if (handle) fontHandle_ = std::move(handle);
    Run(behaviour_.Redraw());
}

void XpButton::SetForeColor(COLORREF colour)
{
    foreColor_ = colour;
    Run(behaviour_.Redraw());
    PropertyChanged("ForeColor");
}

void XpButton::SetFocusRect(bool focusRect)
{
    Run(behaviour_.SetFocusRect(focusRect));
    PropertyChanged("FocusRect");
}

void XpButton::SetDisplayAsDefault(bool displayAsDefault)
{
    Run(behaviour_.AmbientChanged("DisplayAsDefault", displayAsDefault));
}

void XpButton::SnapMouseTo() const
{
    POINT origin{0, 0};
    if (!ClientToScreen(hwnd(), &origin)) return;
    const double halfWidth = image_.width() / 2.0;
    const double halfHeight = image_.height() / 2.0;
    SetCursorPos(static_cast<int>(RoundHalfEven(origin.x + halfWidth)),
                 static_cast<int>(RoundHalfEven(origin.y + halfHeight)));
}

void XpButton::PropertyChanged(std::string_view key)
{
    if (onPropertyChanged) {
        const auto handler = onPropertyChanged;
        handler(key);
    }
}

void XpButton::SubclassProc(bool, bool&, std::intptr_t&, WindowId&, std::uint32_t& message, std::uintptr_t& wParam,
                            std::intptr_t&)
{
    switch (message) {
    case WM_ACTIVATE:
        // The high word tells whether the form is minimised; only the low word says whether
        // it became active.
        Run(LOWORD(wParam) != WA_INACTIVE ? behaviour_.ParentActivated() : behaviour_.ParentDeactivated());
        break;
    case WM_NCACTIVATE:
        Run(wParam != 0 ? behaviour_.ParentActivated() : behaviour_.ParentDeactivated());
        break;
    case WM_MOUSELEAVE:
        Run(behaviour_.MouseLeft());
        break;
    default:
        break;
    }
}

void XpButton::Run(const ButtonActions& actions)
{
    const std::weak_ptr<bool> alive = alive_;
    for (const ButtonAction& action : actions) {
        if (alive.expired()) return;
        switch (action.kind) {
        case ButtonAction::Kind::Draw:
            DrawFace(action.face);
            break;
        case ButtonAction::Kind::Click:
            if (onClick) {
                const auto handler = onClick;  // the handler may destroy this button
                handler();
            }
            break;
        case ButtonAction::Kind::DoubleClick:
            if (onDblClick) {
                const auto handler = onDblClick;
                handler();
            }
            break;
        case ButtonAction::Kind::MouseMove:
            if (onMouseMove) {
                const auto handler = onMouseMove;
                MouseArgs mouse = action.mouse;
                handler(mouse.button, mouse.shift, mouse.x, mouse.y);
            }
            break;
        case ButtonAction::Kind::FormActivate:
            if (onFormActivate) {
                const auto handler = onFormActivate;
                std::int32_t state = action.formState;
                handler(state);
            }
            break;
        case ButtonAction::Kind::TrackMouseLeave: {
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd(), 0};
            TrackMouseEvent(&track);
            break;
        }
        case ButtonAction::Kind::FocusPrevious:
            MoveFocus(true);
            break;
        case ButtonAction::Kind::FocusNext:
            MoveFocus(false);
            break;
        case ButtonAction::Kind::ProcessPendingEvents:
            if (!ProcessPendingEvents()) return;
            break;
        }
    }
}

void XpButton::DrawFace(Face face)
{
    const HDC dc = image_.dc();
    const int width = image_.width();
    const int height = image_.height();
    if (!dc || width <= 0 || height <= 0) return;

    PaintButtonBody(dc, width, height, face, colours_, backColour_);
    UniqueRegion region = CreateButtonRegion(width, height);
    if (region && SetWindowRgn(hwnd(), region.get(), TRUE)) region.release();  // the window owns it now
    PaintButtonCaption(dc, width, height, caption_, fontHandle_.get(),
                       behaviour_.Enabled() ? foreColor_ : ToColorRef(kDisabledCaption));
    if (behaviour_.Focused() && behaviour_.FocusRect() && !FocusCueHidden() &&
        (face == Face::Focused || face == Face::Hot || face == Face::Pressed)) {
        PaintFocusRectangle(dc, width, height);
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

void XpButton::MoveFocus(bool previous)
{
    const HWND form = form_ ? form_ : FormOf(hwnd());
    if (!form) return;
    const HWND next = GetNextDlgTabItem(form, hwnd(), previous);
    if (next && next != hwnd()) SetFocus(next);
}

bool XpButton::ProcessPendingEvents()
{
    const std::weak_ptr<bool> alive = alive_;
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));  // for the loop that owns it
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
        if (alive.expired()) return false;
    }
    return !alive.expired();
}

void XpButton::OnSize(int width, int height)
{
    image_.Resize(width, height);
    const double twipsPerPixel = TwipsPerPixel();
    const bool belowMinimum = width * twipsPerPixel < kMinimumSideTwips || height * twipsPerPixel < kMinimumSideTwips;
    if (!belowMinimum) {
        Run(behaviour_.Resize(false));
        return;
    }
    const int minimum = static_cast<int>(std::ceil(kMinimumSideTwips / twipsPerPixel));
    Run(behaviour_.Resize(true));
    SetWindowPos(hwnd(), nullptr, 0, 0, std::max(width, minimum), std::max(height, minimum),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Run(behaviour_.SizeCorrected());
}

void XpButton::OnCreate()
{
    RECT client{};
    GetClientRect(hwnd(), &client);
    image_.Resize(client.right, client.bottom);
}

void XpButton::OnMouseButton(UINT message)
{
    const std::int16_t button = MouseButtonOf(message);
    const bool down = message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN;
    if (down) {
        if (button == kLeftButton && GetFocus() != hwnd()) SetFocus(hwnd());
        SetCapture(hwnd());
        Run(behaviour_.MouseDown(button));
        return;
    }
    // Capture ends before the Click, whose handler may open a modal window.
    const bool anyDown = GetKeyState(VK_LBUTTON) < 0 || GetKeyState(VK_RBUTTON) < 0 || GetKeyState(VK_MBUTTON) < 0;
    if (!anyDown && GetCapture() == hwnd()) ReleaseCapture();
    Run(behaviour_.MouseUp(button));
}

void XpButton::OnMouseMove(WPARAM keys, LPARAM position)
{
    MouseArgs mouse;
    mouse.button = MouseButtonsOf(keys);
    mouse.shift = ShiftStateOf(keys);
    mouse.x = static_cast<float>(GET_X_LPARAM(position));
    mouse.y = static_cast<float>(GET_Y_LPARAM(position));
    Run(behaviour_.MouseMove(mouse, static_cast<float>(image_.width()), static_cast<float>(image_.height())));
}

LRESULT XpButton::OnSysChar(WPARAM character, LPARAM lParam)
{
    if (accessKey_ != 0 && LowerCaseKey(static_cast<wchar_t>(character)) == accessKey_) {
        Run(behaviour_.AccessKeyPressed());
        return 0;
    }
    return DefWindowProcW(hwnd(), WM_SYSCHAR, character, lParam);
}

LRESULT XpButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CREATE:
        OnCreate();
        return 0;
    case WM_SIZE:
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the face covers everything
    case WM_PAINT: {
        win32::PaintScope paint(hwnd());
        image_.Show(paint.dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        image_.Show(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_GETDLGCODE:
        return DialogCodeFor(reinterpret_cast<const MSG*>(lParam));
    case WM_SETFOCUS:
        Run(behaviour_.GotFocus());
        Announce(EVENT_OBJECT_FOCUS);
        return 0;
    case WM_UPDATEUISTATE:  // the keyboard cues were shown or hidden
        Window::HandleMessage(message, wParam, lParam);
        Run(behaviour_.Redraw());
        return 0;
    case WM_KILLFOCUS:
        Run(behaviour_.LostFocus());
        return 0;
    case WM_KEYDOWN:
        Run(behaviour_.KeyDown(static_cast<int>(wParam)));
        return 0;
    case WM_KEYUP:
        Run(behaviour_.KeyUp(static_cast<int>(wParam)));
        return 0;
    case WM_SYSCHAR:
        return OnSysChar(wParam, lParam);
    case BM_CLICK:  // the dialog manager's answer to this button's access key
        Run(behaviour_.AccessKeyPressed());
        return 0;
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
        OnMouseButton(message);
        return 0;
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
        // The second press of a double click arrives as this message instead of a press.
        SetCapture(hwnd());
        Run(behaviour_.DoubleClick());
        return 0;
    case WM_MOUSEMOVE:
        OnMouseMove(wParam, lParam);
        return 0;
    case WM_DESTROY:
        RemoveHooks();
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

}  // namespace wavorin::controls
