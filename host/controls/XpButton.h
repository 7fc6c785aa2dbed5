#pragma once
// The XP-style push button as a Win32 child window: it feeds its window's messages and the
// hooked notifications of its form to a ButtonBehaviour and paints the faces that returns
// into a retained image.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "host/controls/ButtonBehaviour.h"
#include "host/controls/ButtonProperties.h"
#include "host/controls/FaceColours.h"
#include "host/controls/GdiSupport.h"
#include "host/controls/HookRegistry.h"
#include "host/controls/RetainedImage.h"
#include "host/controls/WindowSubclasser.h"
#include "host/win32/Window.h"

namespace wavorin::controls {

inline constexpr wchar_t kXpButtonClass[] = L"Wavorin_XpButton";

class XpButton final : public win32::Window, private HookClient {
public:
    XpButton();
    ~XpButton() override;

    // Creates the window (drawing stays off until InitProperties or ReadProperties). `name`
    // is the button's name on its form, the caption of last resort for a new button.
    bool Create(HWND parent, int x, int y, int width, int height, std::wstring name, int id = 0);

    // A new button: the first free caption of "&OK", "&Cancel", "&Apply" among the form's
    // buttons, black text, enabled, with focus rectangle. No hooks: a new button shows no
    // hover and no activation.
    void InitProperties();
    // A button with stored properties: applies them, hooks its own window (mouse leave) and
    // its form (activation), and draws.
    void ReadProperties(const PropertyStore& store);
    PropertyStore WriteProperties() const;

    const std::wstring& Caption() const { return caption_; }
    void SetCaption(std::wstring caption);
    bool Enabled() const { return behaviour_.Enabled(); }
    void SetEnabled(bool enabled);
    const FontInfo& Font() const { return font_; }
    void SetFont(const FontInfo& font);
    // The display scale its font is made for; 0 (the start) takes the screen's.
    void SetDotsPerInch(int dotsPerInch);
    // What a screen reader calls the button; its caption unless set.
    void SetAccessibleName(std::wstring name) { accessibleName_ = std::move(name); }
    COLORREF ForeColor() const { return foreColor_; }
    void SetForeColor(COLORREF colour);
    bool FocusRect() const { return behaviour_.FocusRect(); }
    void SetFocusRect(bool focusRect);

    // The container shows this button as its default button, or stops doing so.
    void SetDisplayAsDefault(bool displayAsDefault);
    // Moves the mouse pointer to the button's centre.
    void SnapMouseTo() const;

    // The hooked messages (WM_ACTIVATE / WM_NCACTIVATE of the form, WM_MOUSELEAVE of the button).
    void SubclassProc(bool before, bool& handled, std::intptr_t& result, WindowId& window, std::uint32_t& message,
                      std::uintptr_t& wParam, std::intptr_t& lParam) override;

    Face State() const { return behaviour_.State(); }
    const ButtonBehaviour& Behaviour() const { return behaviour_; }
    const RetainedImage& FaceImage() const { return image_; }
    HWND Form() const { return form_; }

    // Events. A handler may destroy the button.
    std::function<void()> onClick;
    std::function<void()> onDblClick;
    std::function<void(std::int16_t& button, std::int16_t& shift, float& x, float& y)> onMouseMove;
    std::function<void(std::int32_t& state)> onFormActivate;
    // Told the key of every property that changes.
    std::function<void(std::string_view key)> onPropertyChanged;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnCreate();
    void OnSize(int width, int height);
    void OnMouseButton(UINT message);  // a press or release of any of the three buttons
    void OnMouseMove(WPARAM keys, LPARAM position);
    LRESULT OnSysChar(WPARAM character, LPARAM lParam);
    void InstallHooks();
    void RemoveHooks();

    // Carries out a behaviour's answer; stops if the button is destroyed on the way.
    void Run(const ButtonActions& actions);
    void DrawFace(Face face);
    void DescribeToScreenReaders();
    void MoveFocus(bool previous);
    bool ProcessPendingEvents();
    void PropertyChanged(std::string_view key);

    ButtonBehaviour behaviour_;
    FaceColourTable colours_;
    RetainedImage image_;
    WindowSubclasser subclasser_;
    HookRegistry hooks_{*this, subclasser_};
    bool hooksInstalled_ = false;
    HWND form_ = nullptr;
    std::wstring name_;
    std::wstring caption_;
    wchar_t accessKey_ = 0;
    COLORREF foreColor_ = 0;
    COLORREF backColour_;
    FontInfo font_;
    int dotsPerInch_ = 0;
    UniqueFont fontHandle_;
    std::wstring accessibleName_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

// The form a control belongs to: the nearest ancestor that is a top-level window or a
// multiple-document child.
HWND FormOf(HWND control);

}  // namespace wavorin::controls
