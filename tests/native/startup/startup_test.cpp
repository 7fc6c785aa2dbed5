// The switches the system starts the host with.

#include <gtest/gtest.h>

#include <limits>

#include "host/startup/CommandLine.h"

namespace wavorin::startup {
namespace {

TEST(CommandLine, ModeByTheSecondCharacterInAnyCaseAndThePreviewPane)
{
    const std::pair<const wchar_t*, StartMode> rows[] = {
        {L"/s", StartMode::Screensaver},   {L"-S", StartMode::Screensaver},  {L"/c:1234", StartMode::Settings},
        {L"/P:1234", StartMode::Preview},  {L"xs", StartMode::Screensaver},  {L"", StartMode::Settings},
        {L"/", StartMode::Other},          {L"/x", StartMode::Other},        {L" /s", StartMode::Other},
    };
    for (const auto& [text, mode] : rows) EXPECT_EQ(ModeOf(text), mode) << testing::PrintToString(std::wstring(text));

    // The preview pane's handle: decimal, rounded halves to even, 0 for no number or none that fits.
    const std::wstring max = std::to_wstring(std::numeric_limits<std::intptr_t>::max());
    const std::wstring min = std::to_wstring(std::numeric_limits<std::intptr_t>::min());
    const std::pair<std::wstring, std::intptr_t> handles[] = {
        {L"/p 1234", 1234}, {L"/p:1234", 1234}, {L"/p \t65554 trailing", 65554}, {L"/p", 0}, {L"/p window", 0},
        {L"/p -", 0},       {L"/p .", 0},       {L"/p 12.4", 12},                {L"/p 12.6", 13}, {L"/p 12.5", 12},
        {L"/p 13.5", 14},   {L"/p 12.50001", 13}, {L"/p -7", -7},                {L"/p " + max, std::numeric_limits<std::intptr_t>::max()},
        {L"/p " + min, std::numeric_limits<std::intptr_t>::min()},  {L"/p " + max + L"0", 0}, {L"/p " + max + L".7", 0},
    };
    for (const auto& [text, handle] : handles) EXPECT_EQ(PreviewParentOf(text), handle) << testing::PrintToString(text);
}

}  // namespace
}  // namespace wavorin::startup
