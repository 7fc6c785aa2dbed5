#include <gtest/gtest.h>

#include "host/controls/Caption.h"

namespace wavorin::controls {
namespace {

TEST(AccessKeyOf, TheCharacterAfterTheFirstSingleAmpersandInLowerCase)
{
    const std::pair<const wchar_t*, wchar_t> cases[] = {
        {L"&OK", L'o'}, {L"&Cancel", L'c'}, {L"Save &As", L'a'}, {L"&a&b", L'a'}, {L"R&&D &Files", L'f'},
        {L"&&&Next", L'n'}, {L"R&&D", 0}, {L"", 0}, {L"設定", 0}, {L"...", 0}, {L"Done&", 0}, {L"&", 0}, {L"&&", 0},
        {L"&O", L'o'}, {L"a&&&b", L'b'}, {L"&Z", L'z'}, {L"ﾌｧｲﾙ(&Ｆ)", L'ｆ'}, {L"&Ａ", L'ａ'}, {L"&Ｚ", L'ｚ'},
        {L"x&Àb", L'à'}, {L"x&Þb", L'þ'}, {L"x&×b", L'×'}, {L"x&[b", L'['},
    };
    for (auto [caption, key] : cases) EXPECT_EQ(AccessKeyOf(caption), key) << caption;
}

TEST(InitialCaption, TakesTheFirstFreeOfOkCancelApplyCaseSensitivelyThenTheName)
{
    EXPECT_EQ(InitialCaption({}, L"b1"), L"&OK");
    EXPECT_EQ(InitialCaption({L"&OK"}, L"b2"), L"&Cancel");
    EXPECT_EQ(InitialCaption({L"&OK", L"&Cancel"}, L"b3"), L"&Apply");
    EXPECT_EQ(InitialCaption({L"&Cancel", L"&Apply", L"&OK"}, L"b4"), L"b4");
    EXPECT_EQ(InitialCaption({L"&Cancel", L"&Ok", L"&OK2", L"x&OK"}, L"b"), L"&OK");
}

}  // namespace
}  // namespace wavorin::controls
