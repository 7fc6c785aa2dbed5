#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "host/controls/ButtonBehaviour.h"

namespace wavorin::controls {
namespace {

using Kind = ButtonAction::Kind;

constexpr float kWidth = 113;
constexpr float kHeight = 33;

std::vector<Face> Faces(const ButtonActions& actions)
{
    std::vector<Face> faces;
    for (const ButtonAction& action : actions) {
        if (action.kind == Kind::Draw) faces.push_back(action.face);
    }
    return faces;
}

int Count(const ButtonActions& actions, Kind kind)
{
    return static_cast<int>(std::count_if(actions.begin(), actions.end(),
                                          [&](const ButtonAction& action) { return action.kind == kind; }));
}

std::vector<Kind> Kinds(const ButtonActions& actions)
{
    std::vector<Kind> kinds;
    for (const ButtonAction& action : actions) kinds.push_back(action.kind);
    return kinds;
}

ButtonActions& operator+=(ButtonActions& all, const ButtonActions& more)
{
    all.insert(all.end(), more.begin(), more.end());
    return all;
}

MouseArgs At(float x, float y, std::int16_t button = 0)
{
    return MouseArgs{button, 0, x, y};
}

MouseArgs Inside(std::int16_t button = 0) { return At(50, 15, button); }
MouseArgs Outside(std::int16_t button = 0) { return At(150, 15, button); }

// A button whose stored properties have been read (face 1), on an active form unless asked.
ButtonBehaviour ReadyButton(bool formActive = true)
{
    ButtonBehaviour button;
    button.SetEnabled(true);
    button.PropertiesRead();
    if (formActive) button.ParentActivated();
    return button;
}

TEST(ButtonBehaviour, NothingIsDrawnBeforeThePropertiesAreRead)
{
    ButtonBehaviour button;
    EXPECT_TRUE(button.SuppressDraw());
    EXPECT_TRUE(button.Redraw().empty());
    EXPECT_TRUE(Faces(button.GotFocus()).empty());
    EXPECT_TRUE(button.Focused());  // the flags still follow
    EXPECT_EQ(button.State(), Face::Disabled);

    EXPECT_EQ(Faces(button.PropertiesRead()), std::vector<Face>{Face::Disabled});
    EXPECT_FALSE(button.SuppressDraw());
}

TEST(ButtonBehaviour, ReadingThePropertiesDrawsTheNormalFace)
{
    ButtonBehaviour button;
    EXPECT_EQ(Faces(button.SetEnabled(true)), std::vector<Face>{Face::Normal});
    EXPECT_EQ(Faces(button.PropertiesRead()), std::vector<Face>{Face::Normal});
    EXPECT_EQ(button.State(), Face::Normal);
}

TEST(ButtonBehaviour, SpacePressAndReleaseGiveOneClick)
{
    ButtonBehaviour button = ReadyButton();
    EXPECT_EQ(Faces(button.GotFocus()), std::vector<Face>{Face::Focused});

    ButtonActions actions = button.KeyDown(kKeySpace);
    EXPECT_EQ(Faces(actions), std::vector<Face>{Face::Pressed});
    EXPECT_TRUE(button.SpaceDown());
    EXPECT_TRUE(button.Pressed());
    actions += button.KeyDown(kKeySpace);  // auto-repeat
    actions += button.KeyDown(kKeySpace);
    EXPECT_EQ(Faces(actions), std::vector<Face>{Face::Pressed});

    actions = button.KeyUp(kKeySpace);
    EXPECT_EQ(Kinds(actions), (std::vector<Kind>{Kind::Draw, Kind::Click}));
    EXPECT_EQ(Faces(actions), std::vector<Face>{Face::Focused});
    EXPECT_FALSE(button.SpaceDown());
    EXPECT_FALSE(button.Pressed());
}

TEST(ButtonBehaviour, SpaceReleasedUnderThePointerShowsTheHotFace)
{
    ButtonBehaviour button = ReadyButton();
    button.GotFocus();
    button.MouseMove(Inside(), kWidth, kHeight);
    button.KeyDown(kKeySpace);
    const ButtonActions actions = button.KeyUp(kKeySpace);
    EXPECT_EQ(Faces(actions), std::vector<Face>{Face::Hot});
    EXPECT_EQ(Count(actions, Kind::Click), 1);
}

TEST(ButtonBehaviour, AccessKeyWhileSpaceIsHeldCancelsThePress)
{
    ButtonBehaviour button = ReadyButton();
    button.GotFocus();
    button.KeyDown(kKeySpace);

    ButtonActions actions = button.AccessKeyPressed();
    EXPECT_EQ(Faces(actions), std::vector<Face>{Face::Focused});
    EXPECT_EQ(Count(actions, Kind::Click), 0);
    EXPECT_FALSE(button.SpaceDown());

    actions = button.KeyUp(kKeySpace);
    EXPECT_EQ(Count(actions, Kind::Click), 0);
}

TEST(ButtonBehaviour, AccessKeyClicksAfterPendingEventsOnlyWhenEnabled)
{
    ButtonBehaviour button = ReadyButton();
    EXPECT_EQ(Kinds(button.AccessKeyPressed()), (std::vector<Kind>{Kind::ProcessPendingEvents, Kind::Click}));
    button.SetEnabled(false);
    EXPECT_TRUE(button.AccessKeyPressed().empty());
}

TEST(ButtonBehaviour, EnterClicksAndArrowsMoveTheFocus)
{
    ButtonBehaviour button = ReadyButton();
    EXPECT_EQ(Kinds(button.KeyDown(kKeyEnter)), std::vector<Kind>{Kind::Click});
    EXPECT_EQ(Kinds(button.KeyDown(kKeyLeft)), std::vector<Kind>{Kind::FocusPrevious});
    EXPECT_EQ(Kinds(button.KeyDown(kKeyUp)), std::vector<Kind>{Kind::FocusPrevious});
    EXPECT_EQ(Kinds(button.KeyDown(kKeyRight)), std::vector<Kind>{Kind::FocusNext});
    EXPECT_EQ(Kinds(button.KeyDown(kKeyDown)), std::vector<Kind>{Kind::FocusNext});
    EXPECT_TRUE(button.KeyDown('A').empty());
    EXPECT_TRUE(button.KeyUp(kKeyEnter).empty());
}

TEST(ButtonBehaviour, PressMoveOutMoveBackAndReleaseClicks)
{
    ButtonBehaviour button = ReadyButton();
    EXPECT_EQ(Faces(button.MouseMove(Inside(), kWidth, kHeight)), std::vector<Face>{Face::Hot});

    EXPECT_EQ(Faces(button.MouseDown(kLeftButton)), std::vector<Face>{Face::Pressed});
    EXPECT_TRUE(button.Focused());
    EXPECT_TRUE(Faces(button.GotFocus()).empty());  // the focus that the press brings

    EXPECT_EQ(Faces(button.MouseMove(Outside(kLeftButton), kWidth, kHeight)), std::vector<Face>{Face::Focused});
    EXPECT_EQ(Faces(button.MouseMove(Inside(kLeftButton), kWidth, kHeight)), std::vector<Face>{Face::Pressed});

    const ButtonActions actions = button.MouseUp(kLeftButton);
    EXPECT_EQ(Kinds(actions), (std::vector<Kind>{Kind::Draw, Kind::Click}));
    EXPECT_EQ(Faces(actions), std::vector<Face>{Face::Hot});
    EXPECT_FALSE(button.MouseIsDown());
}

TEST(ButtonBehaviour, ReleaseOutsideDrawsTheFocusedFaceAndDoesNotClick)
{
    ButtonBehaviour button = ReadyButton();
    button.MouseMove(Inside(), kWidth, kHeight);
    button.MouseDown(kLeftButton);
    button.MouseMove(Outside(kLeftButton), kWidth, kHeight);

    const ButtonActions actions = button.MouseUp(kLeftButton);
    EXPECT_EQ(Kinds(actions), std::vector<Kind>{Kind::Draw});
    EXPECT_EQ(Faces(actions), std::vector<Face>{Face::Focused});
    EXPECT_FALSE(button.Pressed());
}

TEST(ButtonBehaviour, OtherMouseButtonsNeitherPressNorClick)
{
    ButtonBehaviour button = ReadyButton();
    button.MouseMove(Inside(), kWidth, kHeight);
    EXPECT_TRUE(button.MouseDown(2).empty());
    EXPECT_EQ(button.LastButton(), 2);
    EXPECT_FALSE(button.Pressed());
    EXPECT_TRUE(button.MouseUp(2).empty());
    EXPECT_TRUE(button.DoubleClick().empty());  // the last press was not the left button
}

TEST(ButtonBehaviour, DoubleClickDrawsThePressedFaceAndRaisesDblClick)
{
    ButtonBehaviour button = ReadyButton();
    button.MouseMove(Inside(), kWidth, kHeight);
    button.MouseDown(kLeftButton);
    ButtonActions actions = button.MouseUp(kLeftButton);
    EXPECT_EQ(Count(actions, Kind::Click), 1);

    actions = button.DoubleClick();
    EXPECT_EQ(Kinds(actions), (std::vector<Kind>{Kind::Draw, Kind::DoubleClick}));
    EXPECT_EQ(Faces(actions), std::vector<Face>{Face::Pressed});
    // The second release clicks no more: the double click did not press.
    EXPECT_EQ(Count(button.MouseUp(kLeftButton), Kind::Click), 0);
}

TEST(ButtonBehaviour, AnInactiveFormSuppressesHoverFeedbackAndClick)
{
    ButtonBehaviour button = ReadyButton(false);
    ButtonActions actions = button.MouseMove(Inside(), kWidth, kHeight);
    EXPECT_TRUE(button.Hover());
    EXPECT_EQ(Kinds(actions), std::vector<Kind>{Kind::TrackMouseLeave});  // no face, no MouseMove

    actions = button.MouseDown(kLeftButton);
    EXPECT_EQ(Faces(actions), std::vector<Face>{Face::Pressed});  // a press still shows
    actions = button.MouseUp(kLeftButton);
    EXPECT_TRUE(actions.empty());
    EXPECT_FALSE(button.Pressed());
}

TEST(ButtonBehaviour, MouseMoveRaisesItsEventWithTheArguments)
{
    ButtonBehaviour button = ReadyButton();
    const MouseArgs mouse{kLeftButton, 3, 12.5f, 7};
    const ButtonActions actions = button.MouseMove(mouse, kWidth, kHeight);
    ASSERT_EQ(Kinds(actions), (std::vector<Kind>{Kind::TrackMouseLeave, Kind::Draw, Kind::MouseMove}));
    EXPECT_EQ(actions[2].mouse.button, kLeftButton);
    EXPECT_EQ(actions[2].mouse.shift, 3);
    EXPECT_EQ(actions[2].mouse.x, 12.5f);
    EXPECT_EQ(actions[2].mouse.y, 7);
}

TEST(ButtonBehaviour, HoverIncludesTheRightAndBottomEdges)
{
    ButtonBehaviour button = ReadyButton();
    button.MouseMove(At(kWidth, kHeight), kWidth, kHeight);
    EXPECT_TRUE(button.Hover());
    button.MouseMove(At(0, 0), kWidth, kHeight);
    EXPECT_TRUE(button.Hover());
    button.MouseMove(At(kWidth + 1, 0), kWidth, kHeight);
    EXPECT_FALSE(button.Hover());
    button.MouseMove(At(-1, 5), kWidth, kHeight);
    EXPECT_FALSE(button.Hover());
    button.MouseMove(At(5, -1), kWidth, kHeight);
    EXPECT_FALSE(button.Hover());
}

TEST(ButtonBehaviour, MovesWhileSpaceIsHeldKeepThePressedFace)
{
    ButtonBehaviour button = ReadyButton();
    button.GotFocus();
    button.KeyDown(kKeySpace);
    const ButtonActions actions = button.MouseMove(Outside(), kWidth, kHeight);
    EXPECT_TRUE(actions.empty());
    EXPECT_EQ(button.State(), Face::Pressed);
}

TEST(ButtonBehaviour, SpaceIsIgnoredWhileTheMouseButtonIsDown)
{
    ButtonBehaviour button = ReadyButton();
    button.MouseMove(Inside(), kWidth, kHeight);
    button.MouseDown(kLeftButton);
    EXPECT_TRUE(button.KeyDown(kKeySpace).empty());
    EXPECT_FALSE(button.SpaceDown());
    EXPECT_TRUE(button.KeyUp(kKeySpace).empty());
}

TEST(ButtonBehaviour, DeactivatingTheFormCancelsAPress)
{
    ButtonBehaviour button = ReadyButton();
    button.GotFocus();
    button.KeyDown(kKeySpace);
    ButtonActions actions = button.ParentDeactivated();
    EXPECT_EQ(Faces(actions), std::vector<Face>{Face::Normal});
    ASSERT_EQ(Count(actions, Kind::FormActivate), 1);
    EXPECT_EQ(actions.back().formState, 0);
    EXPECT_EQ(Count(button.KeyUp(kKeySpace), Kind::Click), 0);

    button.ParentActivated();
    button.MouseMove(Inside(), kWidth, kHeight);
    button.MouseDown(kLeftButton);
    button.ParentDeactivated();
    EXPECT_FALSE(button.MouseIsDown());
    EXPECT_EQ(Count(button.MouseUp(kLeftButton), Kind::Click), 0);
}

TEST(ButtonBehaviour, ActivatingTheFormRestoresHotOrFocusedLook)
{
    ButtonBehaviour button = ReadyButton(false);
    ButtonActions actions = button.ParentActivated();
    EXPECT_TRUE(Faces(actions).empty());  // neither hovered nor focused
    ASSERT_EQ(Kinds(actions), std::vector<Kind>{Kind::FormActivate});
    EXPECT_EQ(actions[0].formState, 1);

    button.GotFocus();
    button.ParentDeactivated();
    EXPECT_EQ(Faces(button.ParentActivated()), std::vector<Face>{Face::Focused});
    EXPECT_EQ(Faces(button.ParentActivated()), std::vector<Face>{Face::Focused});  // drawn even if shown

    button.MouseMove(Inside(), kWidth, kHeight);
    button.ParentDeactivated();
    EXPECT_EQ(Faces(button.ParentActivated()), std::vector<Face>{Face::Hot});
    EXPECT_TRUE(Faces(button.ParentActivated()).empty());  // shown already
}

TEST(ButtonBehaviour, DisabledButtonsKeepTheirFaceOnActivation)
{
    ButtonBehaviour button = ReadyButton();
    button.SetEnabled(false);
    EXPECT_EQ(Kinds(button.ParentDeactivated()), std::vector<Kind>{Kind::FormActivate});
    EXPECT_EQ(Kinds(button.ParentActivated()), std::vector<Kind>{Kind::FormActivate});
    EXPECT_EQ(button.State(), Face::Disabled);
}

TEST(ButtonBehaviour, EnabledOffAndOnRedrawsAsTheStateRequires)
{
    ButtonBehaviour button = ReadyButton();
    EXPECT_EQ(Faces(button.SetEnabled(false)), std::vector<Face>{Face::Disabled});
    EXPECT_TRUE(button.SetEnabled(false).empty());  // already showing it
    EXPECT_EQ(Faces(button.SetEnabled(true)), std::vector<Face>{Face::Normal});
    EXPECT_TRUE(button.SetEnabled(true).empty());

    button.MouseMove(Inside(), kWidth, kHeight);
    button.SetEnabled(false);
    EXPECT_EQ(Faces(button.SetEnabled(true)), std::vector<Face>{Face::Hot});
    EXPECT_EQ(Faces(button.SetEnabled(true)), std::vector<Face>{Face::Hot});  // drawn unconditionally

    button.MouseLeft();
    button.AmbientChanged("DisplayAsDefault", true);
    button.SetEnabled(false);
    EXPECT_EQ(Faces(button.SetEnabled(true)), std::vector<Face>{Face::Focused});
}

TEST(ButtonBehaviour, SettingEnabledStartsDrawingOfANewButton)
{
    ButtonBehaviour button;
    EXPECT_EQ(Faces(button.SetEnabled(true)), std::vector<Face>{Face::Normal});
    EXPECT_FALSE(button.SuppressDraw());
}

TEST(ButtonBehaviour, FocusRectRedrawsOnlyAFocusedButton)
{
    ButtonBehaviour button = ReadyButton();
    EXPECT_TRUE(button.SetFocusRect(false).empty());
    EXPECT_FALSE(button.FocusRect());
    button.GotFocus();
    EXPECT_EQ(Faces(button.SetFocusRect(true)), std::vector<Face>{Face::Focused});
}

TEST(ButtonBehaviour, GotFocusShowsFocusedOrHotUnlessPressed)
{
    ButtonBehaviour button = ReadyButton();
    EXPECT_EQ(Faces(button.GotFocus()), std::vector<Face>{Face::Focused});
    button.LostFocus();

    button.MouseMove(Inside(), kWidth, kHeight);  // hot
    EXPECT_TRUE(Faces(button.GotFocus()).empty());
    button.LostFocus();
    button.MouseDown(kLeftButton);  // pressed, under the pointer
    EXPECT_TRUE(Faces(button.GotFocus()).empty());

    ButtonBehaviour pressedAway = ReadyButton();
    pressedAway.MouseMove(Inside(), kWidth, kHeight);
    pressedAway.MouseDown(kLeftButton);
    pressedAway.MouseMove(Outside(kLeftButton), kWidth, kHeight);
    EXPECT_TRUE(Faces(pressedAway.GotFocus()).empty());  // pressed and not hovering
}

TEST(ButtonBehaviour, LostFocusFallsBackByActivationHoverAndDefaultLook)
{
    ButtonBehaviour button = ReadyButton();
    button.GotFocus();
    EXPECT_EQ(Faces(button.LostFocus()), std::vector<Face>{Face::Normal});
    EXPECT_FALSE(button.Focused());

    button.GotFocus();
    button.KeyDown(kKeySpace);
    button.MouseMove(Inside(), kWidth, kHeight);  // ignored while Space is down
    EXPECT_EQ(Faces(button.LostFocus()), std::vector<Face>{Face::Hot});
    EXPECT_FALSE(button.SpaceDown());
    EXPECT_FALSE(button.Pressed());
    button.MouseLeft();

    button.AmbientChanged("DisplayAsDefault", true);
    button.GotFocus();
    EXPECT_EQ(Faces(button.LostFocus()), std::vector<Face>{Face::Focused});

    ButtonBehaviour inactive = ReadyButton(false);
    inactive.MouseMove(Inside(), kWidth, kHeight);
    EXPECT_EQ(Faces(inactive.GotFocus()), std::vector<Face>{Face::Hot});
    EXPECT_EQ(Faces(inactive.LostFocus()), std::vector<Face>{Face::Normal});  // not hot: the form is inactive

    ButtonBehaviour disabled = ReadyButton();
    disabled.GotFocus();
    disabled.SetEnabled(false);
    EXPECT_TRUE(disabled.LostFocus().empty());
}

TEST(ButtonBehaviour, LeavingTheButtonDependsOnFocusPressAndSpace)
{
    ButtonBehaviour unfocused = ReadyButton();
    unfocused.MouseMove(Inside(), kWidth, kHeight);
    EXPECT_EQ(Faces(unfocused.MouseLeft()), std::vector<Face>{Face::Normal});
    EXPECT_FALSE(unfocused.Hover());

    ButtonBehaviour focused = ReadyButton();
    focused.GotFocus();
    focused.MouseMove(Inside(), kWidth, kHeight);
    EXPECT_EQ(Faces(focused.MouseLeft()), std::vector<Face>{Face::Focused});
    EXPECT_TRUE(Faces(focused.MouseLeft()).empty());  // showing 2 already

    ButtonBehaviour pressed = ReadyButton();
    pressed.MouseMove(Inside(), kWidth, kHeight);
    pressed.MouseDown(kLeftButton);
    EXPECT_EQ(Faces(pressed.MouseLeft()), std::vector<Face>{Face::Focused});

    ButtonBehaviour spacePressed = ReadyButton();
    spacePressed.GotFocus();
    spacePressed.MouseMove(Inside(), kWidth, kHeight);
    spacePressed.KeyDown(kKeySpace);
    EXPECT_TRUE(spacePressed.MouseLeft().empty());
    EXPECT_FALSE(spacePressed.Hover());
    EXPECT_EQ(spacePressed.State(), Face::Pressed);

    ButtonBehaviour inactive = ReadyButton(false);
    inactive.GotFocus();  // face 2
    inactive.MouseDown(kLeftButton);
    inactive.ParentActivated();
    inactive.ParentDeactivated();  // face 1, press cleared, focus kept
    inactive.MouseMove(Inside(), kWidth, kHeight);
    EXPECT_TRUE(inactive.MouseLeft().empty());  // not 2 on an inactive form

    ButtonBehaviour disabled = ReadyButton();
    disabled.MouseMove(Inside(), kWidth, kHeight);
    disabled.SetEnabled(false);
    EXPECT_TRUE(disabled.MouseLeft().empty());
}

TEST(ButtonBehaviour, LeavingAfterTheDoubleClickPressDrawsNormalWithoutPress)
{
    ButtonBehaviour button = ReadyButton();
    button.MouseMove(Inside(), kWidth, kHeight);
    button.MouseDown(kLeftButton);
    button.MouseUp(kLeftButton);
    button.DoubleClick();  // face 4 without a press
    EXPECT_EQ(Faces(button.MouseLeft()), std::vector<Face>{Face::Normal});
}

TEST(ButtonBehaviour, DisplayAsDefaultDrawsTheFocusedLook)
{
    ButtonBehaviour button = ReadyButton();
    EXPECT_EQ(Faces(button.AmbientChanged("DisplayAsDefault", true)), std::vector<Face>{Face::Focused});
    EXPECT_TRUE(button.DefaultLook());
    EXPECT_EQ(Faces(button.AmbientChanged("DisplayAsDefault", false)), std::vector<Face>{Face::Normal});
    EXPECT_TRUE(button.AmbientChanged("DisplayAsDefault", false).empty());

    // Other ambient names only copy the flag; a hovered button keeps its hot face.
    EXPECT_TRUE(button.AmbientChanged("BackColor", true).empty());
    EXPECT_TRUE(button.DefaultLook());
    EXPECT_TRUE(button.AmbientChanged("displayasdefault", true).empty());
    button.MouseMove(Inside(), kWidth, kHeight);
    EXPECT_TRUE(button.AmbientChanged("DisplayAsDefault", false).empty());
}

TEST(ButtonBehaviour, ASizeCorrectionPausesDrawingUntilItIsDone)
{
    ButtonBehaviour button = ReadyButton();
    EXPECT_EQ(Faces(button.Resize(false)), std::vector<Face>{Face::Normal});
    EXPECT_TRUE(button.Resize(true).empty());
    EXPECT_TRUE(button.SuppressDraw());
    EXPECT_TRUE(button.Resize(false).empty());  // the correction's own resize
    EXPECT_EQ(Faces(button.SizeCorrected()), std::vector<Face>{Face::Normal});
    EXPECT_FALSE(button.SuppressDraw());

    ButtonBehaviour unread;
    unread.Resize(true);
    EXPECT_TRUE(unread.SizeCorrected().empty());
    EXPECT_TRUE(unread.SuppressDraw());  // still waiting for its properties
}

}  // namespace
}  // namespace wavorin::controls
