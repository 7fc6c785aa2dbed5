#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>

#include "host/startup/CommandLine.h"

namespace wavorin::host {
namespace {

TEST(ModeOf, SwitchLetterIsTheSecondCharacterInAnyCase)
{
    const std::pair<const wchar_t*, StartMode> rows[] = {
        {L"/s", StartMode::Screensaver},   {L"-S", StartMode::Screensaver},
        {L"/c:1234", StartMode::Settings}, {L"/P:1234", StartMode::Preview},
        {L"xs", StartMode::Screensaver},  // the first character is not looked at
        {L"", StartMode::ScreensaverVisibleCursor},
        {L"/", StartMode::Other},  // too short for a letter
        {L"/x", StartMode::Other},         {L"s", StartMode::Other},
        {L" /s", StartMode::Other},
    };
    for (const auto& [text, mode] : rows) EXPECT_EQ(ModeOf(text), mode) << std::wstring(text).size();
    EXPECT_EQ(ModeLetter(L"/"), 0);
}

TEST(PreviewParentOf, ReadsTheHandleRoundingHalvesToEvenWithinPointerSize)
{
    constexpr auto kMax = std::numeric_limits<std::intptr_t>::max();
    constexpr auto kMin = std::numeric_limits<std::intptr_t>::min();
    const std::pair<std::wstring, std::intptr_t> rows[] = {
        {L"/p 1234", 1234},      {L"/p:1234", 1234},     {L"/p \t65554 trailing", 65554},
        {L"/p", 0},              {L"/p ", 0},            {L"/p window", 0},
        {L"/p -", 0},            {L"/p .", 0},           {L"/p 12.4", 12},
        {L"/p 12.6", 13},        {L"/p 12.5", 12},       {L"/p 13.5", 14},
        {L"/p 12.50001", 13},    {L"/p -7", -7},
        {L"/p " + std::to_wstring(kMax), kMax},          {L"/p " + std::to_wstring(kMin), kMin},
        {L"/p " + std::to_wstring(kMax) + L"0", 0},      {L"/p " + std::to_wstring(kMax) + L".7", 0},
        {L"/p 99999999999999999999999999", 0},
    };
    for (const auto& [text, handle] : rows) EXPECT_EQ(PreviewParentOf(text), handle) << text.size();
}

}  // namespace
}  // namespace wavorin::host
