// The frame panel as a window: properties, ambient colour, children, and its retained face.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestWindows.h"
#include "host/controls/FramePanel.h"
#include "host/controls/XpButton.h"

namespace wavorin::controls {
namespace {

using testing::Pixel;
using testing::PixelAt;

constexpr COLORREF kGrey = RGB(224, 224, 224);

class FramePanelWindowTest : public ::testing::Test {
protected:
    static constexpr int kW = 501;
    static constexpr int kH = 173;

    void SetUp() override
    {
        ASSERT_TRUE(form.Create(560, 260));
        ASSERT_TRUE(panel.Create(form.hwnd(), 12, 12, kW, kH, kGrey, 77));
        panel.onPropertyChanged = [this](std::string_view key) { changed.emplace_back(key); };
    }
    Pixel At(int x, int y) const { return PixelAt(panel.FaceImage(), x, y); }

    testing::TestForm form;
    FramePanel panel;
    std::vector<std::string> changed;
};

TEST_F(FramePanelWindowTest, StoredPropertiesAreDrawnAtOnce)
{
    panel.ReadProperties(PropertyStore::FromText("ShadowOpacity = 100\n").value());
    EXPECT_EQ(panel.FaceImage().width(), kW);
    EXPECT_EQ(At(kW - 5, kH / 2), (Pixel{44, 44, 44}));
    EXPECT_EQ(At(0, 0), (Pixel{0, 0, 0}));
    EXPECT_TRUE(changed.empty());  // reading is not a change
}

TEST_F(FramePanelWindowTest, SettersClampNotifyAndRedraw)
{
    panel.ReadProperties(PropertyStore{});
    panel.SetShadowOpacity(-5);
    EXPECT_EQ(panel.Properties().shadowOpacity, 0);
    EXPECT_EQ(At(kW - 5, kH / 2), (Pixel{204, 204, 204}));
    panel.SetShadowOpacity(150);
    EXPECT_EQ(panel.Properties().shadowOpacity, 100);
    panel.SetCornerDepth(-1);
    EXPECT_EQ(panel.Properties().cornerDepth, 0);
    panel.SetCornerDepth(80);
    EXPECT_EQ(panel.Properties().cornerDepth, 50);
    panel.SetShadowDepth(1);
    EXPECT_EQ(panel.Properties().shadowDepth, 2);
    panel.SetShadowDepth(45);
    EXPECT_EQ(panel.Properties().shadowDepth, 45);
    panel.SetShadowDepth(51);
    EXPECT_EQ(panel.Properties().shadowDepth, 50);
    panel.SetFrameStyle(2);
    EXPECT_EQ(At(0, 0), (Pixel{224, 224, 224}));
    EXPECT_EQ(changed, (std::vector<std::string>{"ShadowOpacity", "ShadowOpacity", "CornerDepth", "CornerDepth",
                                                 "ShadowDepth", "ShadowDepth", "ShadowDepth", "FrameStyle"}));
}

TEST_F(FramePanelWindowTest, TheContainersColourIsFollowedUntilABackColourIsChosen)
{
    panel.ReadProperties(PropertyStore{});
    panel.SetAmbientBackColour(RGB(200, 0, 0));
    EXPECT_EQ(At(kW - 1, 0), (Pixel{200, 0, 0}));
    panel.SetBackColour(RGB(0, 0, 200));
    EXPECT_EQ(At(kW - 1, 0), (Pixel{200, 0, 0}));  // BackColourIs is still 0
    panel.SetBackColourIs(1);
    EXPECT_EQ(At(kW - 1, 0), (Pixel{0, 0, 200}));
    panel.SetAmbientBackColour(RGB(0, 200, 0));
    EXPECT_EQ(At(kW - 1, 0), (Pixel{0, 0, 200}));
}

TEST_F(FramePanelWindowTest, WrittenPropertiesDrawTheSameFaceAgain)
{
    panel.ReadProperties(PropertyStore{});
    panel.SetFrameStyle(kRoundedFrame);
    panel.SetShadowDepth(9);
    panel.SetFillColour(RGB(255, 255, 240));
    const PropertyStore store = panel.WriteProperties();
    const auto text = store.ToText();
    EXPECT_EQ(text, "FrameStyle = 0\nShadowDepth = 9\nFillColour = 15794175\n");

    FramePanel copy;
    ASSERT_TRUE(copy.Create(form.hwnd(), 12, 12, kW, kH, kGrey));
    copy.ReadProperties(PropertyStore::FromText(text).value());
    int differences = 0;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) differences += !(At(x, y) == PixelAt(copy.FaceImage(), x, y));
    }
    EXPECT_EQ(differences, 0);
}

TEST_F(FramePanelWindowTest, ResizingRedrawsAtTheNewSize)
{
    panel.ReadProperties(PropertyStore{});
    MoveWindow(panel.hwnd(), 12, 12, 200, 100, TRUE);
    EXPECT_EQ(panel.FaceImage().width(), 200);
    EXPECT_EQ(At(199, 50), (Pixel{220, 220, 220}));
    EXPECT_EQ(At(194, 50), (Pixel{0, 0, 0}));
}

TEST_F(FramePanelWindowTest, HoldsChildControlsAndPassesTheirNotificationsToTheForm)
{
    panel.ReadProperties(PropertyStore{});
    XpButton button;
    ASSERT_TRUE(button.Create(panel.hwnd(), 24, 112, 45, 25, L"Cmd_File"));
    button.ReadProperties(PropertyStore{});
    RECT panelRect{}, buttonRect{};
    GetWindowRect(panel.hwnd(), &panelRect);
    GetWindowRect(button.hwnd(), &buttonRect);
    EXPECT_EQ(buttonRect.left - panelRect.left, 24);
    EXPECT_EQ(buttonRect.top - panelRect.top, 112);
    EXPECT_EQ(button.Form(), form.hwnd());  // the button belongs to the form, not the panel

    SendMessageW(panel.hwnd(), WM_COMMAND, MAKEWPARAM(5, BN_CLICKED), reinterpret_cast<LPARAM>(button.hwnd()));
    EXPECT_EQ(form.commands, 1);
}

TEST_F(FramePanelWindowTest, TheRetainedFaceSurvivesRepaints)
{
    panel.ReadProperties(PropertyStore{});
    ShowWindow(form.hwnd(), SW_SHOWNORMAL);
    UpdateWindow(form.hwnd());
    RedrawWindow(form.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    testing::PumpMessages();

    RetainedImage screen;
    ASSERT_TRUE(screen.Resize(kW, kH));
    {
        win32::WindowDc dc(panel.hwnd());
        ASSERT_TRUE(BitBlt(screen.dc(), 0, 0, kW, kH, dc.get(), 0, 0, SRCCOPY));
    }
    for (auto [x, y] : {std::pair{0, 0}, {kW - 1, kH / 2}, {kW - 3, kH / 2}, {kW / 2, kH / 2}, {kW - 1, 2}}) {
        EXPECT_EQ(PixelAt(screen, x, y), At(x, y)) << x << ", " << y;
    }
}

}  // namespace
}  // namespace wavorin::controls
