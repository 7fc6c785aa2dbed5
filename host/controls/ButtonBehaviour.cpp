#include "host/controls/ButtonBehaviour.h"

namespace wavorin::controls {
namespace {

ButtonAction Raise(ButtonAction::Kind kind)
{
    return ButtonAction{kind};
}

}  // namespace

void ButtonBehaviour::Draw(Face face, ButtonActions& actions)
{
    if (suppressDraw_) return;
    state_ = face;
    actions.push_back({ButtonAction::Kind::Draw, face});
}

void ButtonBehaviour::Show(Face face, ButtonActions& actions)
{
    if (state_ != face) Draw(face, actions);
}

ButtonActions ButtonBehaviour::SetEnabled(bool enabled)
{
    ButtonActions actions;
    enabled_ = enabled;
    suppressDraw_ = false;
    suppressedForSize_ = false;
    if (hover_ && enabled) {
        Draw(Face::Hot, actions);
    } else if (defaultLook_ && enabled) {
        Draw(Face::Focused, actions);
    } else {
        Show(enabled ? Face::Normal : Face::Disabled, actions);
    }
    return actions;
}

ButtonActions ButtonBehaviour::SetFocusRect(bool focusRect)
{
    ButtonActions actions;
    focusRect_ = focusRect;
    if (focused_) Draw(state_, actions);
    return actions;
}

ButtonActions ButtonBehaviour::Redraw()
{
    ButtonActions actions;
    Draw(state_, actions);
    return actions;
}

ButtonActions ButtonBehaviour::PropertiesRead()
{
    suppressDraw_ = false;
    suppressedForSize_ = false;
    return Redraw();
}

ButtonActions ButtonBehaviour::Resize(bool belowMinimum)
{
    ButtonActions actions;
    if (belowMinimum) {
        if (!suppressDraw_) suppressedForSize_ = true;
        suppressDraw_ = true;
    }
    Draw(state_, actions);
    return actions;
}

ButtonActions ButtonBehaviour::SizeCorrected()
{
    // Only the suppression that the correction itself set is lifted: a button whose
    // properties have not been read yet stays blank.
    if (!suppressedForSize_) return {};
    suppressedForSize_ = false;
    suppressDraw_ = false;
    return Redraw();
}

ButtonActions ButtonBehaviour::AmbientChanged(std::string_view name, bool displayAsDefault)
{
    ButtonActions actions;
    defaultLook_ = displayAsDefault;
    if (enabled_ && !hover_ && name == "DisplayAsDefault") {
        if (defaultLook_) {
            Draw(Face::Focused, actions);
        } else {
            Show(Face::Normal, actions);
        }
    }
    return actions;
}

ButtonActions ButtonBehaviour::GotFocus()
{
    ButtonActions actions;
    focused_ = true;
    if (hover_) {
        if (state_ != Face::Hot && state_ != Face::Pressed) Draw(Face::Hot, actions);
    } else if (!pressed_) {
        Draw(Face::Focused, actions);
    }
    return actions;
}

ButtonActions ButtonBehaviour::LostFocus()
{
    ButtonActions actions;
    focused_ = pressed_ = spaceDown_ = false;
    if (!enabled_) return actions;
    if (!formActive_) {
        Show(Face::Normal, actions);
    } else if (hover_) {
        Show(Face::Hot, actions);
    } else if (defaultLook_) {
        Draw(Face::Focused, actions);
    } else {
        Show(Face::Normal, actions);
    }
    return actions;
}

ButtonActions ButtonBehaviour::KeyDown(int key)
{
    ButtonActions actions;
    switch (key) {
    case kKeyEnter:
        actions.push_back(Raise(ButtonAction::Kind::Click));
        break;
    case kKeySpace:
        if (!mouseDown_) {
            spaceDown_ = pressed_ = true;
            Show(Face::Pressed, actions);
        }
        break;
    case kKeyLeft:
    case kKeyUp:
        actions.push_back(Raise(ButtonAction::Kind::FocusPrevious));
        break;
    case kKeyRight:
    case kKeyDown:
        actions.push_back(Raise(ButtonAction::Kind::FocusNext));
        break;
    default:
        break;
    }
    return actions;
}

ButtonActions ButtonBehaviour::KeyUp(int key)
{
    ButtonActions actions;
    if (key != kKeySpace || mouseDown_) return actions;
    if (hover_) {
        Show(Face::Hot, actions);
    } else {
        Draw(Face::Focused, actions);
    }
    if (pressed_) actions.push_back(Raise(ButtonAction::Kind::Click));
    spaceDown_ = pressed_ = false;
    return actions;
}

ButtonActions ButtonBehaviour::AccessKeyPressed()
{
    ButtonActions actions;
    if (!enabled_) return actions;
    if (spaceDown_) {
        // The access key while Space is held cancels the press.
        spaceDown_ = pressed_ = false;
        if (hover_) {
            Show(Face::Hot, actions);
        } else {
            Draw(Face::Focused, actions);
        }
        return actions;
    }
    actions.push_back(Raise(ButtonAction::Kind::ProcessPendingEvents));
    actions.push_back(Raise(ButtonAction::Kind::Click));
    return actions;
}

ButtonActions ButtonBehaviour::MouseDown(std::int16_t button)
{
    ButtonActions actions;
    lastButton_ = button;
    if (button == kLeftButton) {
        focused_ = pressed_ = mouseDown_ = true;
        Show(Face::Pressed, actions);
    }
    return actions;
}

ButtonActions ButtonBehaviour::MouseMove(const MouseArgs& mouse, float innerWidth, float innerHeight)
{
    ButtonActions actions;
    hover_ = mouse.x >= 0 && mouse.x <= innerWidth && mouse.y >= 0 && mouse.y <= innerHeight;
    if (hover_) actions.push_back(Raise(ButtonAction::Kind::TrackMouseLeave));
    if (formActive_ && !spaceDown_) {
        if (hover_) {
            Show(pressed_ ? Face::Pressed : Face::Hot, actions);
        } else {
            Show(focused_ ? Face::Focused : Face::Normal, actions);
        }
        ButtonAction move{ButtonAction::Kind::MouseMove};
        move.mouse = mouse;
        actions.push_back(move);
    }
    return actions;
}

ButtonActions ButtonBehaviour::MouseUp(std::int16_t button)
{
    ButtonActions actions;
    if (button != kLeftButton) return actions;
    if (formActive_) {
        if (hover_) {
            Show(Face::Hot, actions);
        } else if (focused_) {
            Draw(Face::Focused, actions);
        }
        if (hover_ && focused_ && pressed_) actions.push_back(Raise(ButtonAction::Kind::Click));
    }
    pressed_ = mouseDown_ = false;
    return actions;
}

ButtonActions ButtonBehaviour::DoubleClick()
{
    ButtonActions actions;
    if (lastButton_ != kLeftButton) return actions;
    Draw(Face::Pressed, actions);
    actions.push_back(Raise(ButtonAction::Kind::DoubleClick));
    return actions;
}

ButtonActions ButtonBehaviour::ParentActivated()
{
    ButtonActions actions;
    formActive_ = true;
    if (enabled_) {
        if (hover_) {
            Show(Face::Hot, actions);
        } else if (focused_ || defaultLook_) {
            Draw(Face::Focused, actions);
        }
    }
    ButtonAction activate{ButtonAction::Kind::FormActivate};
    activate.formState = 1;
    actions.push_back(activate);
    return actions;
}

ButtonActions ButtonBehaviour::ParentDeactivated()
{
    ButtonActions actions;
    formActive_ = pressed_ = mouseDown_ = spaceDown_ = false;
    if (enabled_) Show(Face::Normal, actions);
    ButtonAction activate{ButtonAction::Kind::FormActivate};
    activate.formState = 0;
    actions.push_back(activate);
    return actions;
}

ButtonActions ButtonBehaviour::MouseLeft()
{
    ButtonActions actions;
    hover_ = false;
    if (spaceDown_ || state_ == Face::Disabled) return actions;
    if (!focused_ && !defaultLook_) {
        Show(Face::Normal, actions);
    } else if (state_ == Face::Pressed) {
        Draw(pressed_ ? Face::Focused : Face::Normal, actions);
    } else if (state_ != Face::Focused && formActive_) {
        Draw(Face::Focused, actions);
    }
    return actions;
}

}  // namespace wavorin::controls
