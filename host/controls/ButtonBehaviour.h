#pragma once
// The XP-style button's behaviour without a window: its flags and the face it shows, fed by
// the notifications a window receives. Each notification returns, in order, what the window
// must do: draw a face, raise an event, track the pointer, move the focus.

#include <cstdint>
#include <string_view>
#include <vector>

#include "host/controls/FaceColours.h"

namespace wavorin::controls {

// Mouse buttons as bit values and the key codes the button reacts to.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;
inline constexpr int kKeyEnter = 13;
inline constexpr int kKeySpace = 32;
inline constexpr int kKeyLeft = 37;
inline constexpr int kKeyUp = 38;
inline constexpr int kKeyRight = 39;
inline constexpr int kKeyDown = 40;

struct MouseArgs {
    std::int16_t button = 0;  // bits: 1 left, 2 right, 4 middle
    std::int16_t shift = 0;   // bits: 1 Shift, 2 Ctrl, 4 Alt
    float x = 0;              // in the control's scale units (pixels)
    float y = 0;

    friend bool operator==(const MouseArgs&, const MouseArgs&) = default;
};

struct ButtonAction {
    enum class Kind {
        Draw,                  // draw `face` (State already holds it)
        Click,
        DoubleClick,
        MouseMove,             // raise MouseMove with `mouse`
        FormActivate,          // raise FormActivate with `formState` (1 active, 0 inactive)
        TrackMouseLeave,       // ask for a mouse-leave notification
        FocusPrevious,         // focus to the previous control in tab order
        FocusNext,
        ProcessPendingEvents,  // let pending window events run before the Click that follows
    };
    Kind kind;
    Face face = Face::Disabled;
    MouseArgs mouse{};
    std::int32_t formState = 0;

    friend bool operator==(const ButtonAction&, const ButtonAction&) = default;
};

using ButtonActions = std::vector<ButtonAction>;

class ButtonBehaviour {
public:
    // A new button: every flag clear, State 0, drawing suppressed until its properties are
    // read (or Enabled is set).
    ButtonBehaviour() = default;

    Face State() const { return state_; }
    bool SuppressDraw() const { return suppressDraw_; }
    bool Pressed() const { return pressed_; }
    bool Focused() const { return focused_; }
    bool Hover() const { return hover_; }
    bool FormActive() const { return formActive_; }
    bool SpaceDown() const { return spaceDown_; }
    bool MouseIsDown() const { return mouseDown_; }
    bool DefaultLook() const { return defaultLook_; }
    bool Enabled() const { return enabled_; }
    bool FocusRect() const { return focusRect_; }
    std::int16_t LastButton() const { return lastButton_; }

    // Property setters, the part that decides what to draw.
    ButtonActions SetEnabled(bool enabled);
    ButtonActions SetFocusRect(bool focusRect);
    // Caption, font and text colour changes redraw the current face.
    ButtonActions Redraw();
    // The last step of reading the stored properties.
    ButtonActions PropertiesRead();

    // Container notifications.
    // A resize below the minimum size: drawing stops until the size has been corrected.
    ButtonActions Resize(bool belowMinimum);
    // The correction's own resize has happened: drawing resumes with the current face.
    ButtonActions SizeCorrected();
    ButtonActions AmbientChanged(std::string_view name, bool displayAsDefault);
    ButtonActions GotFocus();
    ButtonActions LostFocus();
    ButtonActions KeyDown(int key);
    ButtonActions KeyUp(int key);
    ButtonActions AccessKeyPressed();
    ButtonActions MouseDown(std::int16_t button);
    // innerWidth and innerHeight in the same units as the pointer position.
    ButtonActions MouseMove(const MouseArgs& mouse, float innerWidth, float innerHeight);
    ButtonActions MouseUp(std::int16_t button);
    ButtonActions DoubleClick();

    // Notifications from the hooked windows.
    ButtonActions ParentActivated();
    ButtonActions ParentDeactivated();
    ButtonActions MouseLeft();

private:
    void Draw(Face face, ButtonActions& actions);  // unconditionally (unless suppressed)
    void Show(Face face, ButtonActions& actions);  // only when the face changes

    std::int16_t lastButton_ = 0;
    bool suppressDraw_ = true;
    bool suppressedForSize_ = false;
    bool pressed_ = false;
    bool focused_ = false;
    bool hover_ = false;
    bool formActive_ = false;
    bool spaceDown_ = false;
    bool mouseDown_ = false;
    bool defaultLook_ = false;
    Face state_ = Face::Disabled;
    bool enabled_ = true;
    bool focusRect_ = true;
};

}  // namespace wavorin::controls
