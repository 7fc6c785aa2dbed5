// The button's state machine, driven by scripts of notifications: every row names what
// happens and what the button answers to each step.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "host/controls/ButtonBehaviour.h"

namespace wavorin::controls {
namespace {

constexpr float kWidth = 113, kHeight = 33;

// What one notification answered: a digit per face drawn, C click, W double click, M mouse
// move, + / - form activated / deactivated, T track the pointer, < > focus moves, P pending
// events; "." for nothing. "?" answers the face and the flags that are set: h(over),
// f(ocused), p(ressed), s(pace down), m(ouse down), d(efault look), a(ctive form),
// z (drawing suppressed), x (no focus rectangle).
std::string Answer(const ButtonActions& actions)
{
    std::string out;
    using K = ButtonAction::Kind;
    for (const ButtonAction& a : actions) {
        out += a.kind == K::Draw ? char('0' + static_cast<int>(a.face))
             : a.kind == K::FormActivate ? "-+"[a.formState == 1] : ".CWM.T<>P"[static_cast<int>(a.kind)];
    }
    return out.empty() ? "." : out;
}

std::string Flags(const ButtonBehaviour& b)
{
    std::string out = std::to_string(static_cast<int>(b.State()));
    const bool flags[] = {b.Hover(), b.Focused(), b.Pressed(), b.SpaceDown(), b.MouseIsDown(),
                          b.DefaultLook(), b.FormActive(), b.SuppressDraw(), !b.FocusRect()};
    for (int i = 0; i < 9; ++i) out += flags[i] ? std::string(1, "hfpsmdazx"[i]) : "";
    return out;
}

ButtonActions Move(ButtonBehaviour& b, float x, float y) { return b.MouseMove({0, 0, x, y}, kWidth, kHeight); }

std::string Step(ButtonBehaviour& b, const std::string& t)
{
    if (t == "?") return Flags(b);
    if (t == "ready") return b.SetEnabled(true), b.PropertiesRead(), Answer(b.ParentActivated());
    const ButtonActions a = t == "on" ? b.SetEnabled(true) : t == "off" ? b.SetEnabled(false) : t == "read" ? b.PropertiesRead()
        : t == "redraw" ? b.Redraw() : t == "act" ? b.ParentActivated() : t == "deact" ? b.ParentDeactivated()
        : t == "leave" ? b.MouseLeft() : t == "focus" ? b.GotFocus() : t == "blur" ? b.LostFocus()
        : t == "sp" ? b.KeyDown(kKeySpace) : t == "^sp" ? b.KeyUp(kKeySpace) : t == "enter" ? b.KeyDown(kKeyEnter)
        : t == "^enter" ? b.KeyUp(kKeyEnter) : t == "left" ? b.KeyDown(kKeyLeft) : t == "up" ? b.KeyDown(kKeyUp)
        : t == "right" ? b.KeyDown(kKeyRight) : t == "down" ? b.KeyDown(kKeyDown) : t == "key" ? b.KeyDown('A')
        : t == "alt" ? b.AccessKeyPressed() : t == "dbl" ? b.DoubleClick() : t == "ld" ? b.MouseDown(kLeftButton)
        : t == "lu" ? b.MouseUp(kLeftButton) : t == "rd" ? b.MouseDown(2) : t == "ru" ? b.MouseUp(2) : t == "in" ? Move(b, 50, 15)
        : t == "out" ? Move(b, 150, 15) : t == "tl" ? Move(b, 0, 0) : t == "br" ? Move(b, kWidth, kHeight)
        : t == "r+" ? Move(b, kWidth + 1, 0) : t == "l-" ? Move(b, -1, 5) : t == "t-" ? Move(b, 5, -1)
        : t == "def" ? b.AmbientChanged("DisplayAsDefault", true) : t == "nodef" ? b.AmbientChanged("DisplayAsDefault", false)
        : t == "other" ? b.AmbientChanged("BackColor", true) : t == "lower" ? b.AmbientChanged("displayasdefault", true)
        : t == "rect" ? b.SetFocusRect(true) : t == "norect" ? b.SetFocusRect(false) : t == "small" ? b.Resize(true)
        : t == "size" ? b.Resize(false) : t == "fixed" ? b.SizeCorrected()
        : (ADD_FAILURE() << "unknown step " << t, ButtonActions{});
    return Answer(a);
}

std::string Play(ButtonBehaviour& button, const std::string& script)
{
    std::istringstream steps(script);
    std::string out;
    for (std::string step; steps >> step;) out += (out.empty() ? "" : " ") + Step(button, step);
    return out;
}

// {setup ("ready": enabled, properties read, form active), steps, answers}
constexpr struct {
    const char *setup, *steps, *answers;
} kScenarios[] = {
    // Drawing waits for the properties (or Enabled); the flags follow all the same.
    {"", "redraw focus ? read ?", ". . 0fz 0 0f"},
    {"ready", "size small ? size fixed ? fixed", "1 . 1az . 1 1a ."},  // a second correction draws nothing
    {"ready", "fixed", "."},  // only a correction resumes drawing
    // Keyboard: Space presses and clicks once on release; the access key cancels a held Space.
    {"ready focus", "sp sp ^sp ?", "4 . 2C 2fa"},
    {"ready focus in", "sp ^sp", "4 3C"},
    {"ready focus sp", "alt ^sp", "2 2"},
    {"ready", "alt off alt", "PC 0 ."},
    {"ready", "enter left up right down key ^enter", "C < < > > . ."},
    // Mouse: press, move out and back, release clicks; releasing outside does not.
    {"ready", "in ld focus out in lu ?", "T3M 4 . 2M T4M 3C 3hfa"},
    {"ready in ld out", "focus lu ?", ". 2 2fa"},
    {"ready in", "rd ru dbl ?", ". . . 3ha"},
    {"ready in ld", "lu dbl lu leave", "3C 4W 3 2"},
    {"ready", "br tl r+ l- t-", "T3M TM 1M M M"},
    // The form's activation.
    {"ready focus sp", "deact ^sp act in ld deact lu", "1- 2 2+ T3M 4 1- ."},
    {"on read", "act focus deact act act in deact act act", "+ 2 1- 2+ 2+ T3M 1- 3+ +"},
    // Enabled, focus rectangle, default look.
    {"ready", "off off on on in off on on leave def off on", "0 . 1 . T3M 0 3 3 1 2 0 2"},
    {"ready", "norect ? focus rect", ". 1ax 2 2"},
    {"ready", "def nodef nodef other ? lower in nodef", "2 1 . . 1da . T3M ."},
    // Focus.
    {"ready focus", "blur focus sp in blur leave def focus blur", "1 2 4 T 3 1 2 2 2"},
    {"on read in", "focus blur", "3 1"},
    // The pointer leaving.
    {"ready in ld", "leave", "2"},
    {"ready focus in sp", "leave ?", ". 4fpsa"},
};

TEST(ButtonBehaviour, AnswersEachScriptAsTheRulesSay)
{
    for (const auto& s : kScenarios) {
        ButtonBehaviour button;
        Play(button, s.setup);
        EXPECT_EQ(Play(button, s.steps), s.answers) << "after \"" << s.setup << "\": " << s.steps;
    }
    ButtonBehaviour button;  // the MouseMove event carries the pointer's arguments
    Play(button, "ready");
    const MouseArgs mouse{kLeftButton, 3, 12.5f, 7};
    EXPECT_EQ(button.MouseMove(mouse, kWidth, kHeight).back().mouse, mouse);
}

}  // namespace
}  // namespace wavorin::controls
