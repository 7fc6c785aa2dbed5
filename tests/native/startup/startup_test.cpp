// The switches the system starts the host with, and the start-up trace a normal run leaves off.

#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <limits>
#include <string>

#include "common/trace/StartupTrace.h"
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
    const std::pair<const wchar_t*, std::int64_t> handles[] = {
        {L"/p 1234", 1234}, {L"/p:9", 9}, {L"/p \t65554 trailing", 65554}, {L"/p", 0},  {L"/p -", 0},
        {L"/p .", 0},       {L"/p  ", 0},       {L"/p 13.5", 14},   {L"/p 10.50", 10},   {L"/p 12.50001", 13}, {L"/p 12.06", 12}, {L"/p 12.", 12}, {L"/p -1", -1}, {L"/p -0", 0},
        {L"/p 9223372036854775807", 9223372036854775807},   {L"/p 9223372036854775808", 0},
        {L"/p -9223372036854775808", -9223372036854775807 - 1}, {L"/p -9223372036854775809", 0},
        {L"/p 9223372036854775806.5", 9223372036854775806}, {L"/p 9223372036854775807.7", 0},
    };
    for (const auto& [text, handle] : handles) EXPECT_EQ(PreviewParentAs<std::int64_t>(text), handle) << testing::PrintToString(text);

    // The shipped 32-bit host reads it into 32 bits.
    const std::pair<const wchar_t*, std::int32_t> handles32[] = {
        {L"/p 2147483647", 2147483647},   {L"/p 2147483648", 0}, {L"/p -2147483648", -2147483647 - 1}, {L"/p -2147483649", 0},
        {L"/p 2147483646.5", 2147483646}, {L"/p 2147483646.6", 2147483647}, {L"/p 2147483647.5", 0},
    };
    for (const auto& [text, handle] : handles32) EXPECT_EQ(PreviewParentAs<std::int32_t>(text), handle) << testing::PrintToString(text);
}

// Without WAVORIN_STARTUP_TRACE a run writes no trace, and naming a file later changes nothing:
// the variable is looked up once, at the first step (no other test here marks one).
TEST(StartupTrace, WritesNothingWithoutItsVariable)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("wavorin-trace-" + std::to_string(getpid())), before = fs::current_path();
    fs::create_directories(folder);
    fs::current_path(folder);
    unsetenv("WAVORIN_STARTUP_TRACE");
    trace::MarkStartupStep("host", "first");
    setenv("WAVORIN_STARTUP_TRACE", (folder / "trace.txt").c_str(), 1);
    trace::MarkStartupStep("host", "second");
    fs::current_path(before);
    EXPECT_TRUE(fs::is_empty(folder));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace wavorin::startup
