#include <gtest/gtest.h>

#include "host/controls/Caption.h"

namespace wavorin::controls {
namespace {

TEST(AccessKeyOf, TheCharacterAfterTheFirstSingleAmpersandInLowerCase)
{
    EXPECT_EQ(AccessKeyOf(L"&OK"), L'o');
    EXPECT_EQ(AccessKeyOf(L"&Cancel"), L'c');
    EXPECT_EQ(AccessKeyOf(L"Save &As"), L'a');
    EXPECT_EQ(AccessKeyOf(L"&a&b"), L'a');
    EXPECT_EQ(AccessKeyOf(L"ﾌｧｲﾙ(&Ｆ)"), L'ｆ');
}

TEST(AccessKeyOf, DoubledAmpersandsAreSkipped)
{
    EXPECT_EQ(AccessKeyOf(L"R&&D &Files"), L'f');
    EXPECT_EQ(AccessKeyOf(L"&&&Next"), L'n');
    EXPECT_EQ(AccessKeyOf(L"R&&D"), 0);
}

TEST(AccessKeyOf, NoKeyWithoutAnAmpersandOrWhenItIsLast)
{
    EXPECT_EQ(AccessKeyOf(L""), 0);
    EXPECT_EQ(AccessKeyOf(L"設定"), 0);
    EXPECT_EQ(AccessKeyOf(L"..."), 0);
    EXPECT_EQ(AccessKeyOf(L"Done&"), 0);
    EXPECT_EQ(AccessKeyOf(L"&"), 0);
    EXPECT_EQ(AccessKeyOf(L"&&"), 0);
}

TEST(AccessKeyOf, KeysInTheLastTwoCharactersCountAsDrawTextShowsThem)
{
    EXPECT_EQ(AccessKeyOf(L"&O"), L'o');
    EXPECT_EQ(AccessKeyOf(L"a&&&b"), L'b');
}

TEST(InitialCaption, TakesTheFirstFreeOfOkCancelApplyThenTheName)
{
    EXPECT_EQ(InitialCaption({}, L"XpButton1"), L"&OK");
    EXPECT_EQ(InitialCaption({L"&OK"}, L"XpButton2"), L"&Cancel");
    EXPECT_EQ(InitialCaption({L"&OK", L"&Cancel"}, L"XpButton3"), L"&Apply");
    EXPECT_EQ(InitialCaption({L"&Cancel", L"&Apply", L"&OK"}, L"XpButton4"), L"XpButton4");
    EXPECT_EQ(InitialCaption({L"&Cancel"}, L"XpButton2"), L"&OK");
}

TEST(InitialCaption, ComparesWholeCaptionsCaseSensitively)
{
    EXPECT_EQ(InitialCaption({L"&Ok"}, L"b"), L"&OK");
    EXPECT_EQ(InitialCaption({L"&OK2"}, L"b"), L"&OK");
    EXPECT_EQ(InitialCaption({L"x&OK"}, L"b"), L"&OK");
}

}  // namespace
}  // namespace wavorin::controls
