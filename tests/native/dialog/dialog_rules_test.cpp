#include "host/dialog/DialogRules.h"

#include <gtest/gtest.h>

#include <vector>

namespace wavorin::host::dialog {
namespace {

TEST(SourceControls, EachSourceEnablesItsOwnControl)
{
    EXPECT_TRUE(ControlsFor(1).repeatEnabled);
    EXPECT_FALSE(ControlsFor(1).fileEnabled);
    EXPECT_FALSE(ControlsFor(2).repeatEnabled);
    EXPECT_TRUE(ControlsFor(2).fileEnabled);
    EXPECT_FALSE(ControlsFor(0).repeatEnabled);
    EXPECT_FALSE(ControlsFor(0).fileEnabled);
    for (std::int16_t kind = 0; kind <= 2; ++kind) EXPECT_EQ(ControlsFor(kind).selectedOption, kind);
}

TEST(SourceControls, StrayStoredValueSelectsNoOption)
{
    EXPECT_FALSE(ControlsFor(3).selectedOption.has_value());
    EXPECT_FALSE(ControlsFor(-1).selectedOption.has_value());
    EXPECT_FALSE(ControlsFor(3).repeatEnabled || ControlsFor(3).fileEnabled);
}

TEST(RepeatTrack, ShownAsTheNumberAndEmptyForNone)
{
    EXPECT_EQ(RepeatTrackText(0), L"");
    EXPECT_EQ(RepeatTrackText(7), L"7");
    EXPECT_EQ(RepeatTrackText(45), L"45");  // beyond the list's end, still shown
    EXPECT_EQ(RepeatTrackText(-3), L"-3");
}

TEST(RepeatTrack, NumbersRoundToNearestWithHalvesToEven)
{
    EXPECT_EQ(RepeatTrackOf(L"12"), 12);
    EXPECT_EQ(RepeatTrackOf(L"2.5"), 2);
    EXPECT_EQ(RepeatTrackOf(L"3.5"), 4);
    EXPECT_EQ(RepeatTrackOf(L"2.51"), 3);
    EXPECT_EQ(RepeatTrackOf(L"-2.5"), -2);
    EXPECT_EQ(RepeatTrackOf(L" 30 "), 30);
    EXPECT_EQ(RepeatTrackOf(L"1e1"), 10);
    EXPECT_EQ(RepeatTrackOf(L".5"), 0);
    EXPECT_EQ(RepeatTrackOf(L"+9"), 9);
    // Full-width, as a Japanese input method types them.
    EXPECT_EQ(RepeatTrackOf(L"１２"), 12);
    EXPECT_EQ(RepeatTrackOf(L"\u3000０９\u3000"), 9);
    EXPECT_EQ(RepeatTrackOf(L"２．５"), 2);
    EXPECT_EQ(RepeatTrackOf(L"３.５"), 4);
    EXPECT_EQ(RepeatTrackOf(L"＋７"), 7);
    EXPECT_EQ(RepeatTrackOf(L"－２．５"), -2);
    EXPECT_EQ(RepeatTrackOf(L"\u22123"), -3);
}

TEST(RepeatTrack, TextThatIsNotANumberGivesZero)
{
    for (const wchar_t* text : {L"", L"   ", L"abc", L"12abc", L"0x10", L"inf", L"nan", L"1.2.3", L"-", L"e5", L"１２ａ", L"＄５"}) {
        EXPECT_EQ(RepeatTrackOf(text), 0) << "text: " << std::wstring(text).size();
    }
}

TEST(RepeatTrack, NumbersOutsideSixteenBitsGiveZero)
{
    EXPECT_EQ(RepeatTrackOf(L"32767"), 32767);
    EXPECT_EQ(RepeatTrackOf(L"32767.4"), 32767);
    EXPECT_EQ(RepeatTrackOf(L"32767.5"), 0);  // rounds to 32768
    EXPECT_EQ(RepeatTrackOf(L"-32768"), -32768);
    EXPECT_EQ(RepeatTrackOf(L"-32769"), 0);
    EXPECT_EQ(RepeatTrackOf(L"1e400"), 0);
    EXPECT_EQ(RepeatTrackOf(std::wstring(200, L'9')), 0);
}

TEST(BannerAnimation, LeftBoxThenRightBoxThenAPause)
{
    BannerAnimation banner;
    std::vector<std::optional<BannerStep>> steps;
    for (int tick = 1; tick <= 50; ++tick) steps.push_back(banner.Tick());

    ASSERT_TRUE(steps[0]);
    EXPECT_EQ(steps[0]->box, 0);
    EXPECT_EQ(steps[0]->frame, 1);
    ASSERT_TRUE(steps[23]);  // tick 24
    EXPECT_EQ(steps[23]->box, 0);
    EXPECT_EQ(steps[23]->frame, 24);
    ASSERT_TRUE(steps[24]);  // tick 25
    EXPECT_EQ(steps[24]->box, 1);
    EXPECT_EQ(steps[24]->frame, 1);
    ASSERT_TRUE(steps[47]);  // tick 48
    EXPECT_EQ(steps[47]->box, 1);
    EXPECT_EQ(steps[47]->frame, 24);
    EXPECT_FALSE(steps[48]);  // tick 49 changes nothing
    ASSERT_TRUE(steps[49]);   // tick 50 starts over in the left box
    EXPECT_EQ(steps[49]->box, 0);
    EXPECT_EQ(steps[49]->frame, 1);
    EXPECT_EQ(banner.AnimationTick(), 1);
}

TEST(BannerAnimation, EveryFrameShownOnceInEachBoxPerCycle)
{
    BannerAnimation banner;
    int shown[2][kBannerFrameCount + 1] = {};
    for (int tick = 0; tick < kBannerCycle; ++tick) {
        if (const auto step = banner.Tick()) ++shown[step->box][step->frame];
    }
    EXPECT_EQ(banner.AnimationTick(), 0);
    for (int box = 0; box < 2; ++box) {
        for (int frame = 1; frame <= kBannerFrameCount; ++frame) EXPECT_EQ(shown[box][frame], 1);
    }
}

TEST(Placement, CentredAcrossAndAThirdDownTruncated)
{
    const Placement place = PlaceDialog(1280, 1024, 528, 294);
    EXPECT_EQ(place.left, 376);
    EXPECT_EQ(place.top, 243);  // 730 / 3
    EXPECT_EQ(PlaceDialog(1281, 1025, 528, 294).left, 376);
    EXPECT_EQ(PlaceDialog(400, 300, 528, 294).left, -64);
}

TEST(ZoomPoint, CoordinatesOutsideSixteenBitsAreNotKept)
{
    EXPECT_EQ(ZoomCoordinate(640), 640);
    EXPECT_EQ(ZoomCoordinate(-32768), -32768);
    EXPECT_EQ(ZoomCoordinate(32767), 32767);
    EXPECT_EQ(ZoomCoordinate(32768), 0);
    EXPECT_EQ(ZoomCoordinate(-40000), 0);
}

}  // namespace
}  // namespace wavorin::host::dialog
