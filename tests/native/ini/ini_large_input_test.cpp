#include <gtest/gtest.h>

#include <cstddef>
#include <random>
#include <string>

#include "common/ini/Cp932.h"
#include "common/ini/IniText.h"

namespace wavorin::ini {
namespace {

TEST(IniLargeInput, FiftyMegabytesOfTinyLines)
{
    // Twelve million keys in the searched section: the scan must neither allocate per line
    // nor slow down as it goes.
    std::string lines;
    while (lines.size() < (1u << 20)) lines += "k=v\n";
    std::string text = "[Section]\n";
    text.reserve(51u << 20);
    while (text.size() < (50u << 20)) text += lines;
    text += "Width=640\n";
    EXPECT_EQ(GetString(text, "Section", "Width"), "640");
    EXPECT_EQ(GetString(text, "Section", "k"), "v");
}

TEST(IniLargeInput, OneMegabyteLines)
{
    const std::string mega(1u << 20, 'x');
    EXPECT_EQ(GetString("[S]\nk=" + mega, "S", "k"), mega.substr(0, 255));
    EXPECT_EQ(GetString("[" + std::string(1u << 20, ']') + "\nk=1", std::string((1u << 20) - 1, ']'), "k"), "1");
    EXPECT_EQ(GetString("[" + mega + "\n[S]\nk=1", "S", "k"), "1");
    EXPECT_EQ(GetString("[S]\n" + mega + "=1", "S", mega), "1");
    EXPECT_EQ(GetString("[S]\nk=" + std::string(1u << 20, '\x82'), "S", "k").size(), 254u);  // pairs of 82 82
}

TEST(IniLargeInput, BinaryJunkNeitherCrashesNorBreaksWrites)
{
    std::mt19937 random(20240607);  // fixed start value: the same junk every run
    std::string junk(1u << 20, '\0');
    for (char& c : junk) c = static_cast<char>(random() & 0xFF);
    for (const char* section : {"S", "\x83\x5D", "x"}) {
        const std::string value = GetString(junk, section, "k");
        EXPECT_LE(value.size(), kMaxValueBytes);
        EXPECT_EQ(cp932::CutAtCharBoundary(value, kMaxValueBytes), value);
        const auto written = SetString(junk, section, "k", "fine");
        ASSERT_TRUE(written);
        EXPECT_EQ(GetString(*written, section, "k"), "fine");
    }
}

}  // namespace
}  // namespace wavorin::ini
