#include <gtest/gtest.h>

#include <string>

#include "host/controls/FramePanelProperties.h"

namespace wavorin::controls {
namespace {

constexpr Colour kDialogGrey = Rgb(224, 224, 224);

TEST(FramePanelProperties, ANewPanelTakesTheContainersColour)
{
    const FramePanelProperties panel = DefaultFramePanel(kDialogGrey);
    EXPECT_EQ(panel.frameStyle, kSquareFrame);
    EXPECT_EQ(panel.shadowOpacity, 50);
    EXPECT_TRUE(panel.showShadow);
    EXPECT_EQ(panel.shadowDepth, 5);
    EXPECT_EQ(panel.fillColour, kDialogGrey);
    EXPECT_EQ(panel.backColour, kDialogGrey);
    EXPECT_EQ(panel.backColourIs, 0);
    EXPECT_EQ(panel.borderColour, 0);
    EXPECT_EQ(panel.cornerDepth, 10);
}

TEST(FramePanelProperties, SettersKeepValuesInTheirRanges)
{
    EXPECT_EQ(ClampShadowOpacity(-5), 0);
    EXPECT_EQ(ClampShadowOpacity(150), 100);
    EXPECT_EQ(ClampShadowOpacity(37), 37);
    EXPECT_EQ(ClampCornerDepth(-1), 0);
    EXPECT_EQ(ClampCornerDepth(80), 50);
    EXPECT_EQ(ClampCornerDepth(50), 50);
    EXPECT_EQ(ClampShadowDepth(0), 2);
    EXPECT_EQ(ClampShadowDepth(1), 2);
    EXPECT_EQ(ClampShadowDepth(2), 2);
    EXPECT_EQ(ClampShadowDepth(40), 40);
    EXPECT_EQ(ClampShadowDepth(45), 45);
    EXPECT_EQ(ClampShadowDepth(1000), 50);
}

TEST(FramePanelProperties, TheDialogsPanelStoresNothing)
{
    PropertyStore store;
    WriteFramePanel(store, DefaultFramePanel(kDialogGrey), kDialogGrey);
    EXPECT_TRUE(store.Entries().empty());
    EXPECT_EQ(ReadFramePanel(store, kDialogGrey), DefaultFramePanel(kDialogGrey));
}

TEST(FramePanelProperties, AreWrittenInTheirOrderAndReadBack)
{
    FramePanelProperties panel;
    panel.frameStyle = kRoundedFrame;
    panel.shadowOpacity = 80;
    panel.showShadow = false;
    panel.shadowDepth = 9;
    panel.fillColour = Rgb(255, 255, 255);
    panel.backColour = Rgb(1, 2, 3);
    panel.backColourIs = 1;
    panel.borderColour = Rgb(0, 0, 128);
    panel.cornerDepth = 20;
    PropertyStore store;
    WriteFramePanel(store, panel, kDialogGrey);
    std::vector<std::string> keys;
    for (const Property& entry : store.Entries()) keys.push_back(entry.key);
    EXPECT_EQ(keys, (std::vector<std::string>{"FrameStyle", "ShadowOpacity", "ShowShadow", "ShadowDepth", "FillColour",
                                              "BackColour", "BackColourIs", "BorderColour", "CornerDepth"}));
    EXPECT_EQ(ReadFramePanel(store, kDialogGrey), panel);
}

TEST(FramePanelProperties, ColoursLeftAtTheDefaultFollowTheContainer)
{
    PropertyStore store;
    WriteFramePanel(store, DefaultFramePanel(kDialogGrey), kDialogGrey);
    const FramePanelProperties elsewhere = ReadFramePanel(store, Rgb(10, 20, 30));
    EXPECT_EQ(elsewhere.fillColour, Rgb(10, 20, 30));
}

TEST(FramePanelProperties, StoredValuesAreReadWithoutTheSettersLimitsButTheDepths)
{
    const auto store = PropertyStore::FromText("ShadowOpacity = 150\nCornerDepth = 45\nShadowDepth = 45\nFrameStyle = 7");
    ASSERT_TRUE(store.has_value());
    const FramePanelProperties panel = ReadFramePanel(*store, kDialogGrey);
    EXPECT_EQ(panel.shadowOpacity, 150);
    EXPECT_EQ(panel.cornerDepth, 45);
    EXPECT_EQ(panel.shadowDepth, 45);
    EXPECT_EQ(panel.frameStyle, 7);
}

TEST(FramePanelProperties, StoredDepthsAreHeldToTheSettersRanges)
{
    const struct {
        const char* text;
        std::int16_t shadowDepth;
        std::int16_t cornerDepth;
    } kCases[] = {
        {"ShadowDepth = 0", 2, 10},
        {"ShadowDepth = 1", 2, 10},
        {"ShadowDepth = -4", 2, 10},
        {"ShadowDepth = 32767\nCornerDepth = 32767", 50, 50},
        {"ShadowDepth = 51\nCornerDepth = 80", 50, 50},
        {"CornerDepth = -32768", 5, 0},
    };
    for (const auto& c : kCases) {
        const auto store = PropertyStore::FromText(c.text);
        ASSERT_TRUE(store.has_value());
        const FramePanelProperties panel = ReadFramePanel(*store, kDialogGrey);
        EXPECT_EQ(panel.shadowDepth, c.shadowDepth) << c.text;
        EXPECT_EQ(panel.cornerDepth, c.cornerDepth) << c.text;
    }
}

TEST(FramePanelProperties, BackgroundIsTheContainersUnlessChosen)
{
    FramePanelProperties panel = DefaultFramePanel(kDialogGrey);
    panel.backColour = Rgb(9, 9, 9);
    EXPECT_EQ(FrameBackground(panel, Rgb(1, 1, 1)), Rgb(1, 1, 1));
    panel.backColourIs = -1;
    EXPECT_EQ(FrameBackground(panel, Rgb(1, 1, 1)), Rgb(9, 9, 9));
}

}  // namespace
}  // namespace wavorin::controls
