#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "host/startup/CommandLine.h"

namespace wavorin::host {
namespace {

TEST(ModeOf, SwitchLetterIsTheSecondCharacterInAnyCase)
{
    EXPECT_EQ(ModeOf(L"/s"), StartMode::Screensaver);
    EXPECT_EQ(ModeOf(L"-S"), StartMode::Screensaver);
    EXPECT_EQ(ModeOf(L"/c"), StartMode::Settings);
    EXPECT_EQ(ModeOf(L"/c:1234"), StartMode::Settings);
    EXPECT_EQ(ModeOf(L"/p 1234"), StartMode::Preview);
    EXPECT_EQ(ModeOf(L"/P:1234"), StartMode::Preview);
    EXPECT_EQ(ModeOf(L"xs"), StartMode::Screensaver);  // the first character is not looked at
}

TEST(ModeOf, EmptyRunsTheScreensaverAndEverythingElseIsOther)
{
    EXPECT_EQ(ModeOf(L""), StartMode::ScreensaverVisibleCursor);
    EXPECT_EQ(ModeOf(L"/"), StartMode::Other);  // too short for a letter
    EXPECT_EQ(ModeOf(L"/x"), StartMode::Other);
    EXPECT_EQ(ModeOf(L"s"), StartMode::Other);
    EXPECT_EQ(ModeOf(L" /s"), StartMode::Other);
    EXPECT_EQ(ModeLetter(L"/"), 0);
}

TEST(PreviewParentOf, ReadsTheHandleAfterEitherSeparator)
{
    EXPECT_EQ(PreviewParentOf(L"/p 1234"), 1234);
    EXPECT_EQ(PreviewParentOf(L"/p:1234"), 1234);
    EXPECT_EQ(PreviewParentOf(L"/p    1234"), 1234);
    EXPECT_EQ(PreviewParentOf(L"/p \t65554 trailing"), 65554);
}

TEST(PreviewParentOf, NonNumbersAndMissingTextGiveZero)
{
    EXPECT_EQ(PreviewParentOf(L"/p"), 0);
    EXPECT_EQ(PreviewParentOf(L"/p "), 0);
    EXPECT_EQ(PreviewParentOf(L"/p window"), 0);
    EXPECT_EQ(PreviewParentOf(L"/p -"), 0);
    EXPECT_EQ(PreviewParentOf(L"/p ."), 0);
}

TEST(PreviewParentOf, FractionsRoundToNearestWithHalvesToEven)
{
    EXPECT_EQ(PreviewParentOf(L"/p 12.4"), 12);
    EXPECT_EQ(PreviewParentOf(L"/p 12.6"), 13);
    EXPECT_EQ(PreviewParentOf(L"/p 12.5"), 12);
    EXPECT_EQ(PreviewParentOf(L"/p 13.5"), 14);
    EXPECT_EQ(PreviewParentOf(L"/p 12.50001"), 13);
    EXPECT_EQ(PreviewParentOf(L"/p -7"), -7);
}

TEST(PreviewParentOf, HandlesUpToPointerSizeAndNoFurther)
{
    constexpr auto kMax = std::numeric_limits<std::intptr_t>::max();
    constexpr auto kMin = std::numeric_limits<std::intptr_t>::min();
    EXPECT_EQ(PreviewParentOf(L"/p " + std::to_wstring(kMax)), kMax);
    EXPECT_EQ(PreviewParentOf(L"/p " + std::to_wstring(kMin)), kMin);
    EXPECT_EQ(PreviewParentOf(L"/p " + std::to_wstring(kMax) + L"0"), 0);
    EXPECT_EQ(PreviewParentOf(L"/p " + std::to_wstring(kMax) + L".7"), 0);  // rounds out of range
    EXPECT_EQ(PreviewParentOf(L"/p 99999999999999999999999999"), 0);
}

}  // namespace
}  // namespace wavorin::host
