// The XP-style button as a window: messages in, faces, events and focus out.

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "TestWindows.h"
#include "host/controls/XpButton.h"

namespace wavorin::controls {
namespace {

using testing::Pixel;
using testing::PixelAt;
using testing::PixelOf;
using testing::TestForm;

LPARAM Point(int x, int y)
{
    return MAKELPARAM(x, y);
}

class XpButtonWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create());
        ASSERT_TRUE(button.Create(form.hwnd(), 10, 10, 113, 33, L"Cmd_Set", 1));
        button.onClick = [this] { ++clicks; };
        button.onDblClick = [this] { ++doubleClicks; };
        button.onFormActivate = [this](std::int32_t& state) { activations.push_back(state); };
    }
    void Read(const char* text = "") { button.ReadProperties(PropertyStore::FromText(text).value()); }
    void Activate(bool active)
    {
        SendMessageW(form.hwnd(), WM_ACTIVATE, active ? WA_ACTIVE : WA_INACTIVE, 0);
    }
    void Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { SendMessageW(button.hwnd(), message, wParam, lParam); }

    TestForm form;
    XpButton button;
    int clicks = 0;
    int doubleClicks = 0;
    std::vector<std::int32_t> activations;
};

TEST_F(XpButtonWindowTest, NothingIsDrawnUntilThePropertiesAreRead)
{
    EXPECT_EQ(button.State(), Face::Disabled);
    EXPECT_TRUE(button.Behaviour().SuppressDraw());
    Read();
    EXPECT_EQ(button.State(), Face::Normal);
    EXPECT_EQ(PixelAt(button.FaceImage(), 56, 0), PixelOf(Rgb(0, 60, 116)));
    wchar_t text[16] = {};
    GetWindowTextW(button.hwnd(), text, 16);
    EXPECT_STREQ(text, L"&OK");
    EXPECT_EQ(button.AccessKey(), L'o');
}

TEST_F(XpButtonWindowTest, ReadingAppliesThePropertiesInOrderAndNamesEachChange)
{
    std::vector<std::string> changed;
    button.onPropertyChanged = [&](std::string_view key) { changed.emplace_back(key); };
    Read("Caption = \"設定\"\nFont = {\"ＭＳ Ｐゴシック\", 9.75, 400, 128, 0}\nForeColor = 255\n");
    EXPECT_EQ(changed, (std::vector<std::string>{"Caption", "ForeColor", "Font", "FocusRect", "Enabled"}));
    EXPECT_EQ(button.Caption(), L"設定");
    EXPECT_EQ(button.ForeColor(), RGB(255, 0, 0));
    EXPECT_EQ(button.Font().face, "ＭＳ Ｐゴシック");
    EXPECT_EQ(testing::CountPixels(button.FaceImage(), Pixel{0, 0, 0}), 0);
    EXPECT_GT(testing::CountPixels(button.FaceImage(), Pixel{255, 0, 0}), 10);  // the red caption
}

TEST_F(XpButtonWindowTest, PropertiesWrittenAreReadBackTheSame)
{
    Read();
    button.SetCaption(L"ｷｬﾝｾﾙ");
    button.SetEnabled(false);
    button.SetFocusRect(false);
    button.SetForeColor(RGB(1, 2, 3));
    button.SetFont(FontInfo{"ＭＳ Ｐゴシック", 9.75, 700, 128, kFontItalic});
    const std::string text = button.WriteProperties().ToText();
    EXPECT_EQ(text,
              "Caption = \"ｷｬﾝｾﾙ\"\nEnabled = False\nForeColor = 197121\n"
              "Font = {\"ＭＳ Ｐゴシック\", 9.75, 700, 128, 1}\nFocusRect = False\n");

    XpButton copy;
    ASSERT_TRUE(copy.Create(form.hwnd(), 10, 60, 113, 33, L"copy"));
    copy.ReadProperties(PropertyStore::FromText(text).value());
    EXPECT_EQ(copy.WriteProperties().ToText(), text);
    EXPECT_FALSE(IsWindowEnabled(copy.hwnd()));
    EXPECT_EQ(copy.State(), Face::Disabled);
}

TEST_F(XpButtonWindowTest, NewButtonsTakeOkCancelApplyAndThenTheirName)
{
    std::array<std::unique_ptr<XpButton>, 4> buttons;
    const wchar_t* expected[] = {L"&OK", L"&Cancel", L"&Apply", L"XpButton4"};
    for (int i = 0; i < 4; ++i) {
        buttons[i] = std::make_unique<XpButton>();
        ASSERT_TRUE(buttons[i]->Create(form.hwnd(), 10, 60 + 40 * i, 113, 33, L"XpButton" + std::to_wstring(i + 1)));
        buttons[i]->InitProperties();
        EXPECT_EQ(buttons[i]->Caption(), expected[i]) << i;
    }
    // The fixture's own button has no caption yet: it does not count.
    EXPECT_EQ(buttons[0]->State(), Face::Normal);  // the Enabled setter starts drawing
}

TEST_F(XpButtonWindowTest, ParentActivationReachesTheButtonThroughTheHook)
{
    Read();
    ShowWindow(form.hwnd(), SW_SHOWNORMAL);  // activates the form
    TestForm other;
    ASSERT_TRUE(other.Create(200, 100));
    ShowWindow(other.hwnd(), SW_SHOWNORMAL);  // takes the activation away
    SetActiveWindow(form.hwnd());
    EXPECT_EQ(activations, (std::vector<std::int32_t>{1, 0, 1}));
    EXPECT_EQ(form.activations, 3);  // the form's own procedure saw each one first

    // Deactivated while being minimised: the high word is set, the low word says inactive.
    SendMessageW(form.hwnd(), WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, TRUE), 0);
    EXPECT_EQ(activations.back(), 0);
    EXPECT_FALSE(button.Behaviour().FormActive());
    ShowWindow(form.hwnd(), SW_HIDE);
}

TEST_F(XpButtonWindowTest, AMouseClickOnAnActiveForm)
{
    Read();
    Activate(true);
    Send(WM_MOUSEMOVE, 0, Point(50, 15));
    EXPECT_EQ(button.State(), Face::Hot);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(50, 15));
    EXPECT_EQ(button.State(), Face::Pressed);
    EXPECT_EQ(GetFocus(), button.hwnd());
    EXPECT_EQ(GetCapture(), button.hwnd());
    Send(WM_MOUSEMOVE, MK_LBUTTON, Point(-20, 15));
    EXPECT_EQ(button.State(), Face::Focused);
    Send(WM_MOUSEMOVE, MK_LBUTTON, Point(50, 15));
    EXPECT_EQ(button.State(), Face::Pressed);
    Send(WM_LBUTTONUP, 0, Point(50, 15));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.State(), Face::Hot);
    EXPECT_NE(GetCapture(), button.hwnd());
}

TEST_F(XpButtonWindowTest, AnInactiveFormShowsNoHover)
{
    Read();
    Send(WM_MOUSEMOVE, 0, Point(50, 15));
    EXPECT_TRUE(button.Behaviour().Hover());
    EXPECT_EQ(button.State(), Face::Normal);
}

TEST_F(XpButtonWindowTest, MouseLeaveArrivesThroughTheButtonsOwnHook)
{
    Read();
    Activate(true);
    Send(WM_MOUSEMOVE, 0, Point(50, 15));
    EXPECT_TRUE(button.Behaviour().Hover());
    Send(WM_MOUSELEAVE);
    EXPECT_FALSE(button.Behaviour().Hover());
    EXPECT_EQ(button.State(), Face::Normal);
}

TEST_F(XpButtonWindowTest, SpacePressAndReleaseClickOnce)
{
    Read();
    Activate(true);
    SetFocus(button.hwnd());
    EXPECT_EQ(button.State(), Face::Focused);
    Send(WM_KEYDOWN, VK_SPACE);
    Send(WM_KEYDOWN, VK_SPACE);
    EXPECT_EQ(button.State(), Face::Pressed);
    Send(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(button.State(), Face::Focused);
    Send(WM_KEYDOWN, VK_RETURN);
    EXPECT_EQ(clicks, 2);
}

TEST_F(XpButtonWindowTest, TheAccessKeyClicksOrCancelsAHeldSpace)
{
    Read();
    Activate(true);
    SetFocus(button.hwnd());
    Send(WM_SYSCHAR, 'O', 1 << 29);
    EXPECT_EQ(clicks, 1);
    Send(BM_CLICK);
    EXPECT_EQ(clicks, 2);

    Send(WM_KEYDOWN, VK_SPACE);
    Send(WM_SYSCHAR, 'o', 1 << 29);
    Send(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(button.State(), Face::Focused);
}

TEST_F(XpButtonWindowTest, TheDialogManagerFindsTheAccessKey)
{
    Read();
    XpButton other;
    ASSERT_TRUE(other.Create(form.hwnd(), 140, 10, 113, 33, L"other"));
    other.ReadProperties(PropertyStore::FromText("Caption = \"&Cancel\"").value());
    SetFocus(other.hwnd());
    MSG message{other.hwnd(), WM_CHAR, 'o', 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(form.hwnd(), &message));
    EXPECT_EQ(clicks, 1);
}

TEST_F(XpButtonWindowTest, DoubleClickRaisesDblClick)
{
    Read();
    Activate(true);
    Send(WM_MOUSEMOVE, 0, Point(50, 15));
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(50, 15));
    Send(WM_LBUTTONUP, 0, Point(50, 15));
    Send(WM_LBUTTONDBLCLK, MK_LBUTTON, Point(50, 15));
    EXPECT_EQ(button.State(), Face::Pressed);
    Send(WM_LBUTTONUP, 0, Point(50, 15));
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
}

TEST_F(XpButtonWindowTest, ArrowKeysMoveTheFocusAlongTheTabOrder)
{
    Read();
    XpButton second, third;
    ASSERT_TRUE(second.Create(form.hwnd(), 140, 10, 113, 33, L"second"));
    ASSERT_TRUE(third.Create(form.hwnd(), 270, 10, 113, 33, L"third"));
    second.ReadProperties(PropertyStore{});
    third.ReadProperties(PropertyStore{});
    ShowWindow(form.hwnd(), SW_SHOWNORMAL);
    SetFocus(second.hwnd());
    SendMessageW(second.hwnd(), WM_KEYDOWN, VK_RIGHT, 0);
    EXPECT_EQ(GetFocus(), third.hwnd());
    SendMessageW(third.hwnd(), WM_KEYDOWN, VK_UP, 0);
    EXPECT_EQ(GetFocus(), second.hwnd());
    SendMessageW(second.hwnd(), WM_KEYDOWN, VK_LEFT, 0);
    EXPECT_EQ(GetFocus(), button.hwnd());
    SendMessageW(button.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(GetFocus(), second.hwnd());
    ShowWindow(form.hwnd(), SW_HIDE);
}

TEST_F(XpButtonWindowTest, DisablingDrawsTheDisabledFaceAndCaption)
{
    Read("Caption = \"設定\"\nFont = {\"ＭＳ Ｐゴシック\", 9.75, 400, 128, 0}\n");
    button.SetEnabled(false);
    EXPECT_FALSE(IsWindowEnabled(button.hwnd()));
    EXPECT_EQ(button.State(), Face::Disabled);
    const RetainedImage& face = button.FaceImage();
    EXPECT_EQ(PixelAt(face, 56, 0), (Pixel{201, 199, 186}));
    EXPECT_EQ(PixelAt(face, 3, 16), PixelOf(kDisabledFace));
    EXPECT_GT(testing::CountPixels(face, PixelOf(kDisabledCaption)), 20);
    EXPECT_EQ(testing::CountPixels(face, Pixel{0, 0, 0}), 0);

    button.SetEnabled(true);
    EXPECT_TRUE(IsWindowEnabled(button.hwnd()));
    EXPECT_EQ(button.State(), Face::Normal);
    EXPECT_EQ(testing::CountPixels(face, PixelOf(kDisabledCaption)), 0);
}

TEST_F(XpButtonWindowTest, DisablingTheFocusedButtonLeavesTheDisabledFace)
{
    Read();
    SetFocus(button.hwnd());
    button.SetEnabled(false);  // the window loses the focus on the way
    EXPECT_EQ(button.State(), Face::Disabled);
    EXPECT_FALSE(button.Behaviour().Focused());
}

TEST_F(XpButtonWindowTest, TheFocusRectangleShowsOnlyWhileFocused)
{
    Read();
    const RetainedImage& face = button.FaceImage();
    auto inverted = [&] { return testing::CountPixels(face, Pixel{3, 3, 4}); };  // dots on the inner face's top row
    button.SetDisplayAsDefault(true);
    EXPECT_EQ(button.State(), Face::Focused);
    EXPECT_EQ(inverted(), 0);
    SetFocus(button.hwnd());
    EXPECT_GT(inverted(), 20);
    button.SetFocusRect(false);
    EXPECT_EQ(inverted(), 0);
}

TEST_F(XpButtonWindowTest, TheWindowIsShapedWithRoundedCorners)
{
    Read();
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(button.hwnd(), region.get()), ERROR);
    for (auto [x, y] : {std::pair{0, 0}, {112, 0}, {0, 32}, {112, 32}}) {
        EXPECT_FALSE(PtInRegion(region.get(), x, y)) << x << ", " << y;
    }
    for (auto [x, y] : {std::pair{56, 0}, {0, 16}, {112, 16}, {56, 32}, {1, 1}}) {
        EXPECT_TRUE(PtInRegion(region.get(), x, y)) << x << ", " << y;
    }
}

TEST_F(XpButtonWindowTest, ATooSmallButtonGrowsToTheMinimumAndKeepsDrawing)
{
    Read();
    MoveWindow(button.hwnd(), 10, 10, 3, 40, TRUE);
    RECT client{};
    GetClientRect(button.hwnd(), &client);
    EXPECT_EQ(client.right, 7);  // 100 twips at 15 twips per pixel
    EXPECT_EQ(client.bottom, 40);
    EXPECT_FALSE(button.Behaviour().SuppressDraw());
    EXPECT_EQ(PixelAt(button.FaceImage(), 3, 0), PixelOf(Rgb(0, 60, 116)));
}

TEST_F(XpButtonWindowTest, TheRetainedFaceSurvivesRepaints)
{
    Read();
    ShowWindow(form.hwnd(), SW_SHOWNORMAL);
    RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing::PumpMessages();
    RetainedImage screen;
    ASSERT_TRUE(screen.Resize(113, 33));
    {
        win32::WindowDc dc(button.hwnd());
        ASSERT_TRUE(BitBlt(screen.dc(), 0, 0, 113, 33, dc.get(), 0, 0, SRCCOPY));
    }
    for (auto [x, y] : {std::pair{56, 0}, {1, 1}, {56, 1}, {1, 3}, {56, 16}, {56, 31}}) {
        EXPECT_EQ(PixelAt(screen, x, y), PixelAt(button.FaceImage(), x, y)) << x << ", " << y;
    }
    ShowWindow(form.hwnd(), SW_HIDE);
}

// A multiple-document child is a form of its own, activated by WM_NCACTIVATE.
LRESULT CALLBACK ChildProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefMDIChildProcW(window, message, wParam, lParam);
}

TEST_F(XpButtonWindowTest, OnAMultipleDocumentChildTheButtonFollowsItsFrameActivation)
{
    WNDCLASSW childClass{};
    childClass.lpfnWndProc = &ChildProcedure;
    childClass.hInstance = GetModuleHandleW(nullptr);
    childClass.lpszClassName = L"Wavorin_TestMdiChild";
    RegisterClassW(&childClass);
    CLIENTCREATESTRUCT clientInfo{nullptr, 1000};
    const HWND client = CreateWindowExW(0, L"MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 600, 360, form.hwnd(),
                                        nullptr, GetModuleHandleW(nullptr), &clientInfo);
    ASSERT_NE(client, nullptr);
    MDICREATESTRUCTW create{L"Wavorin_TestMdiChild", L"child", GetModuleHandleW(nullptr), 0, 0, 300, 200, 0, 0};
    const HWND child = reinterpret_cast<HWND>(SendMessageW(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create)));
    ASSERT_NE(child, nullptr);

    XpButton inner;
    ASSERT_TRUE(inner.Create(child, 10, 10, 113, 33, L"inner"));
    inner.ReadProperties(PropertyStore{});
    EXPECT_EQ(inner.Form(), child);
    std::vector<std::int32_t> states;
    inner.onFormActivate = [&](std::int32_t& state) { states.push_back(state); };
    SendMessageW(child, WM_NCACTIVATE, FALSE, 0);
    SendMessageW(child, WM_NCACTIVATE, TRUE, 0);
    SendMessageW(child, WM_ACTIVATE, WA_INACTIVE, 0);  // not the message a document child is hooked for
    EXPECT_EQ(states, (std::vector<std::int32_t>{0, 1}));
}

}  // namespace
}  // namespace wavorin::controls
