// The controls as windows: message wiring, hooks on real window procedures, properties,
// focus and activation, and retained faces that survive repaints.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include "TestWindows.h"
#include "host/controls/FramePanel.h"
#include "host/controls/WindowSubclasser.h"
#include "host/controls/XpButton.h"

namespace wavorin::controls {
namespace {

using testing::Pixel;
using testing::PixelAt;

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageW(window, message, wParam, lParam); }
void Read(XpButton& button, const char* text = "") { button.ReadProperties(PropertyStore::FromText(text).value()); }

// A form with one button on it, whose events are counted.
class ControlWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create());
        original = GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC);
        ASSERT_TRUE(button.Create(form.hwnd(), 10, 10, 113, 33, L"Cmd_Set", 1));
        button.onClick = [this] { ++clicks; };
        button.onDblClick = [this] { ++doubleClicks; };
        button.onFormActivate = [this](std::int32_t& state) { activations.push_back(state); };
        button.onPropertyChanged = [this](std::string_view key) { changed += std::string(key) + " "; };
    }
    std::unique_ptr<XpButton> Another(int x, const char* properties = "")
    {
        auto another = std::make_unique<XpButton>();
        EXPECT_TRUE(another->Create(form.hwnd(), x, 60, 113, 33, L"b"));
        if (properties) Read(*another, properties);
        return another;
    }
    int Count(Pixel colour) const { return testing::CountPixels(button.FaceImage(), colour); }

    testing::TestForm form;
    LONG_PTR original = 0;
    XpButton button;
    int clicks = 0, doubleClicks = 0;
    std::vector<std::int32_t> activations;
    std::string changed;
};

TEST_F(ControlWindowTest, ButtonMessagesDriveItsFaceAndEvents)
{
    EXPECT_TRUE(button.Behaviour().SuppressDraw());  // nothing is drawn until the properties are read
    Read(button);
    Send(form.hwnd(), WM_ACTIVATE, WA_ACTIVE);
    const LPARAM in = MAKELPARAM(50, 15), out = MAKELPARAM(-20, 15);
    // {message, wParam, lParam, face after it, clicks, double clicks, pointer captured}
    const std::tuple<UINT, WPARAM, LPARAM, Face, int, int, bool> kSteps[] = {
        {WM_MOUSEMOVE, 0, in, Face::Hot, 0, 0, false},
        {WM_LBUTTONDOWN, MK_LBUTTON, in, Face::Pressed, 0, 0, true},
        {WM_MOUSEMOVE, MK_LBUTTON, out, Face::Focused, 0, 0, true},
        {WM_MOUSEMOVE, MK_LBUTTON, in, Face::Pressed, 0, 0, true},
        {WM_LBUTTONUP, 0, in, Face::Hot, 1, 0, false},
        {WM_LBUTTONDBLCLK, MK_LBUTTON, in, Face::Pressed, 1, 1, true},
        {WM_LBUTTONUP, 0, in, Face::Hot, 1, 1, false},
        {WM_MOUSELEAVE, 0, 0, Face::Focused, 1, 1, false},  // through the button's own hook
        {WM_KEYDOWN, VK_SPACE, 0, Face::Pressed, 1, 1, false},
        {WM_KEYUP, VK_SPACE, 0, Face::Focused, 2, 1, false},
        {WM_KEYDOWN, VK_RETURN, 0, Face::Focused, 3, 1, false},
        {WM_SYSCHAR, 'O', 1 << 29, Face::Focused, 4, 1, false},
        {WM_SYSCHAR, 'x', 1 << 29, Face::Focused, 4, 1, false},
        {BM_CLICK, 0, 0, Face::Focused, 5, 1, false},
    };
    for (const auto& [message, wParam, lParam, face, clickCount, doubleClickCount, captured] : kSteps) {
        Send(button.hwnd(), message, wParam, lParam);
        const std::string at = "after message " + std::to_string(&message - &std::get<0>(kSteps[0]));
        EXPECT_EQ((std::tuple{button.State(), clicks, doubleClicks, GetCapture() == button.hwnd()}),
                  (std::tuple{face, clickCount, doubleClickCount, captured})) << at;
    }
    EXPECT_EQ(GetFocus(), button.hwnd());  // the press took the focus
}

TEST_F(ControlWindowTest, ButtonPropertiesAreAppliedInOrderAndWrittenBackTheSame)
{
    Read(button, "Caption = \"ｷｬﾝｾﾙ\"\nFont = {\"ＭＳ Ｐゴシック\", 9.75, 700, 128, 1}\nForeColor = 255\nFocusRect = False\n");
    EXPECT_EQ(changed, "Caption ForeColor Font FocusRect Enabled ");
    EXPECT_EQ(Count({0, 0, 0}), 0);
    EXPECT_GT(Count({255, 0, 0}), 10);  // the red caption
    button.SetEnabled(false);
    const std::string text = button.WriteProperties().ToText();
    EXPECT_EQ(text, "Caption = \"ｷｬﾝｾﾙ\"\nEnabled = False\nForeColor = 255\nFont = {\"ＭＳ Ｐゴシック\", 9.75, 700, 128, 1}\nFocusRect = False\n");
    auto copy = Another(10, text.c_str());
    EXPECT_EQ(copy->WriteProperties().ToText(), text);
    EXPECT_FALSE(IsWindowEnabled(copy->hwnd()));
    // New buttons take the first free of "&OK", "&Cancel", "&Apply" on their form, and start drawing.
    auto first = Another(140, nullptr), second = Another(270, nullptr);
    first->InitProperties();
    second->InitProperties();
    EXPECT_EQ((std::tuple{first->Caption(), second->Caption(), second->State()}), (std::tuple{L"&OK", L"&Cancel", Face::Normal}));
}

TEST_F(ControlWindowTest, ButtonFacesForDisabledFocusedAndTooSmallButtons)
{
    Read(button, "Caption = \"設定\"\nFont = {\"ＭＳ Ｐゴシック\", 9.75, 400, 128, 0}\n");
    SetFocus(button.hwnd());
    button.SetEnabled(false);  // the window loses the focus on the way
    EXPECT_EQ((std::tuple{IsWindowEnabled(button.hwnd()), button.Behaviour().Focused(), PixelAt(button.FaceImage(), 56, 0)}),
              (std::tuple{FALSE, false, Pixel{201, 199, 186}}));
    EXPECT_GT(Count({161, 161, 146}), 20);  // the grey caption
    EXPECT_EQ(Count({0, 0, 0}), 0);
    button.SetEnabled(true);
    EXPECT_EQ((std::tuple{IsWindowEnabled(button.hwnd()), button.State(), Count({161, 161, 146})}), (std::tuple{TRUE, Face::Normal, 0}));

    const Pixel dot{3, 3, 4};  // the focus rectangle's dots on the inner face
    button.SetDisplayAsDefault(true);
    EXPECT_EQ((std::tuple{button.State(), Count(dot)}), (std::tuple{Face::Focused, 0}));
    SetFocus(button.hwnd());
    EXPECT_GT(Count(dot), 20);
    button.SetFocusRect(false);
    EXPECT_EQ(Count(dot), 0);

    // Shaped with corners rounded by 3 pixels; shown from its retained face.
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(button.hwnd(), region.get()), ERROR);
    for (auto [x, y, inside] : {std::tuple{0, 0, false}, {112, 0, false}, {0, 32, false}, {112, 32, false}, {56, 0, true},
                                {0, 16, true}, {112, 16, true}, {56, 32, true}, {1, 1, true}}) {
        EXPECT_EQ(PtInRegion(region.get(), x, y) != 0, inside) << x << ", " << y;
    }
    EXPECT_EQ(testing::DifferencesOnScreen(button.hwnd(), button.FaceImage()), 0);

    MoveWindow(button.hwnd(), 10, 10, 3, 40, TRUE);  // grows to 100 twips and keeps drawing
    RECT client{};
    GetClientRect(button.hwnd(), &client);
    EXPECT_EQ((std::tuple{client.right, client.bottom, PixelAt(button.FaceImage(), 3, 0)}), (std::tuple{7L, 40L, Pixel{0, 60, 116}}));
}

TEST_F(ControlWindowTest, ButtonsFollowTheirFormsActivationAndMoveTheFocus)
{
    Read(button);
    ShowWindow(form.hwnd(), SW_SHOWNORMAL);  // activates the form
    testing::TestForm other;
    ASSERT_TRUE(other.Create(200, 100));
    ShowWindow(other.hwnd(), SW_SHOWNORMAL);  // takes the activation away
    SetActiveWindow(form.hwnd());
    Send(form.hwnd(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, TRUE));  // inactive while minimised
    EXPECT_EQ(activations, (std::vector<std::int32_t>{1, 0, 1, 0}));
    EXPECT_EQ(form.activations, 4);  // the form's own procedure saw each one first

    auto second = Another(140, "Caption = \"&Cancel\""), third = Another(270, "Caption = \"&Apply\"");
    ShowWindow(form.hwnd(), SW_SHOWNORMAL);
    SetFocus(second->hwnd());
    Send(second->hwnd(), WM_KEYDOWN, VK_RIGHT);  // arrow keys move along the tab order
    EXPECT_EQ(GetFocus(), third->hwnd());
    Send(third->hwnd(), WM_KEYDOWN, VK_UP);
    EXPECT_EQ(GetFocus(), second->hwnd());
    // The dialog manager finds the access key of a button that does not have the focus.
    MSG message{second->hwnd(), WM_CHAR, 'o', 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(form.hwnd(), &message));
    EXPECT_EQ(clicks, 1);
    ShowWindow(form.hwnd(), SW_HIDE);
}

TEST_F(ControlWindowTest, OnAMultipleDocumentChildAButtonFollowsItsFrameActivation)
{
    WNDCLASSW childClass{};
    childClass.lpfnWndProc = &DefMDIChildProcW;
    childClass.lpszClassName = L"Wavorin_TestMdiChild";
    RegisterClassW(&childClass);
    CLIENTCREATESTRUCT clientInfo{nullptr, 1000};
    const HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 600, 360, form.hwnd(), nullptr, nullptr, &clientInfo);
    MDICREATESTRUCTW create{L"Wavorin_TestMdiChild", L"child", nullptr, 0, 0, 300, 200, 0, 0};
    const HWND child = reinterpret_cast<HWND>(Send(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    ASSERT_NE(child, nullptr);
    XpButton inner;
    ASSERT_TRUE(inner.Create(child, 10, 10, 113, 33, L"inner"));
    Read(inner);
    EXPECT_EQ(inner.Form(), child);
    inner.onFormActivate = [&](std::int32_t& state) { activations.push_back(state); };
    Send(child, WM_NCACTIVATE, FALSE);
    Send(child, WM_NCACTIVATE, TRUE);
    Send(child, WM_ACTIVATE, WA_INACTIVE);  // not the message a document child is hooked for
    EXPECT_EQ(activations, (std::vector<std::int32_t>{0, 1}));
}

TEST_F(ControlWindowTest, HooksOnOneFormComeOffInAnyOrderAndWithTheirWindows)
{
    // The settings dialog's case: three buttons hook one form and go away in any order.
    ShowWindow(form.hwnd(), SW_SHOWNORMAL);  // active already: WM_ACTIVATE below activates nothing by itself
    std::array<int, 3> order{0, 1, 2};
    do {
        std::array<std::unique_ptr<XpButton>, 3> buttons;
        std::array<int, 3> seen{};
        for (int i = 0; i < 3; ++i) {
            buttons[i] = Another(140 + 120 * i);
            buttons[i]->onFormActivate = [&seen, i](std::int32_t&) { ++seen[i]; };
        }
        for (int removed : order) {
            buttons[removed].reset();
            seen = {};
            Send(form.hwnd(), WM_ACTIVATE, WA_ACTIVE);
            for (int i = 0; i < 3; ++i) EXPECT_EQ(seen[i], buttons[i] ? 1 : 0) << i;
            EXPECT_EQ(Send(form.hwnd(), testing::kPing, 4), 0x5004);
        }
        EXPECT_EQ(GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC), original);
    } while (std::next_permutation(order.begin(), order.end()));
    ShowWindow(form.hwnd(), SW_HIDE);

    // A form may destroy its buttons while a message passes their hooks.
    std::vector<std::unique_ptr<XpButton>> buttons;
    for (int i = 0; i < 3; ++i) buttons.push_back(Another(140 + 120 * i));
    form.onPing = [&] { buttons.clear(); };
    EXPECT_EQ(Send(form.hwnd(), testing::kPing, 6), 0x5006);
    form.onPing = nullptr;
    EXPECT_EQ(GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC), original);

    // A window destroyed while hooked frees its record for the next window.
    struct Counter final : HookClient {
        void SubclassProc(bool, bool&, std::intptr_t&, WindowId&, std::uint32_t&, std::uintptr_t&, std::intptr_t&) override { ++seen; }
        int seen = 0;
    } counter;
    WindowSubclasser subclasser;
    HookRegistry hooks(counter, subclasser);
    auto doomed = std::make_unique<testing::TestForm>();
    ASSERT_TRUE(doomed->Create());
    const auto doomedId = reinterpret_cast<WindowId>(doomed->hwnd());
    hooks.HookWindow(doomedId);
    hooks.HookMessage(doomedId, WM_DESTROY, kHookAfter);
    doomed.reset();  // DestroyWindow
    EXPECT_EQ((std::tuple{counter.seen, hooks.FindHookSlot(doomedId, false), hooks.FindHookSlot(0, true)}), std::tuple(1, -1, 0));

    Read(button);
    auto more = Another(140);
    DestroyWindow(form.hwnd());  // children first, then the form, with the hooks in place
    EXPECT_EQ((std::tuple{button.hwnd(), more->hwnd()}), (std::tuple<HWND, HWND>{nullptr, nullptr}));
}

TEST_F(ControlWindowTest, APanelDrawsOnEveryChangeAndHoldsChildControls)
{
    constexpr int kW = 501, kH = 173;
    FramePanel panel;
    ASSERT_TRUE(panel.Create(form.hwnd(), 12, 12, kW, kH, RGB(224, 224, 224), 77));
    panel.onPropertyChanged = [&](std::string_view key) { changed += std::string(key) + " "; };
    auto at = [&](int x, int y) { return PixelAt(panel.FaceImage(), x, y); };
    panel.ReadProperties(PropertyStore::FromText("ShadowOpacity = 100\n").value());  // read: drawn, no change
    EXPECT_EQ(at(kW - 5, kH / 2), (Pixel{44, 44, 44}));
    panel.SetShadowOpacity(-5);
    EXPECT_EQ(at(kW - 5, kH / 2), (Pixel{204, 204, 204}));
    panel.SetShadowDepth(1);
    panel.SetCornerDepth(80);
    const FramePanelProperties& set = panel.Properties();
    EXPECT_EQ(std::tuple(set.shadowOpacity, set.shadowDepth, set.cornerDepth), std::tuple(0, 2, 50));
    panel.SetFrameStyle(2);
    EXPECT_EQ(at(0, 0), (Pixel{224, 224, 224}));
    EXPECT_EQ(changed, "ShadowOpacity ShadowDepth CornerDepth FrameStyle ");

    panel.ReadProperties(PropertyStore{});
    panel.SetFrameStyle(kRoundedFrame);
    panel.SetShadowDepth(9);
    panel.SetFillColour(RGB(255, 255, 240));
    EXPECT_EQ(panel.WriteProperties().ToText(), "FrameStyle = 0\nShadowDepth = 9\nFillColour = 15794175\n");
    EXPECT_EQ(testing::DifferencesOnScreen(panel.hwnd(), panel.FaceImage()), 0);

    // Children sit relative to it and belong to the form; their notifications reach the form.
    XpButton child;
    ASSERT_TRUE(child.Create(panel.hwnd(), 24, 112, 45, 25, L"Cmd_File"));
    Read(child);
    RECT panelRect{}, childRect{};
    GetWindowRect(panel.hwnd(), &panelRect);
    GetWindowRect(child.hwnd(), &childRect);
    EXPECT_EQ(std::pair(childRect.left - panelRect.left, childRect.top - panelRect.top), std::pair(24L, 112L));
    EXPECT_EQ(child.Form(), form.hwnd());
    Send(panel.hwnd(), WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), reinterpret_cast<LPARAM>(child.hwnd()));
    EXPECT_EQ(form.commands, 1);

    panel.ReadProperties(PropertyStore{});
    MoveWindow(panel.hwnd(), 12, 12, 200, 100, TRUE);  // redrawn at the new size
    EXPECT_EQ(std::tuple(panel.FaceImage().width(), at(199, 50), at(194, 50)), std::tuple(200, Pixel{220, 220, 220}, Pixel{0, 0, 0}));
    panel.SetAmbientBackColour(RGB(200, 0, 0));  // followed until a back colour is chosen
    panel.SetBackColour(RGB(0, 0, 200));
    EXPECT_EQ(at(199, 0), (Pixel{200, 0, 0}));
    panel.SetBackColourIs(1);
    panel.SetAmbientBackColour(RGB(0, 200, 0));
    EXPECT_EQ(at(199, 0), (Pixel{0, 0, 200}));
}

}  // namespace
}  // namespace wavorin::controls
