#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "common/ini/IniNumber.h"
#include "common/ini/IniText.h"

namespace wavorin::ini {
namespace {

int IntOf(const std::string& value, int defaultValue = 77)
{
    return GetInt("[S]\nk=" + value + "\n", "S", "k", defaultValue);
}

TEST(IniNumber, TakesTheDigitsTheValueStartsWith)
{
    EXPECT_EQ(IntOf("1024"), 1024);
    EXPECT_EQ(IntOf("-5"), -5);
    EXPECT_EQ(IntOf("+7"), 7);
    EXPECT_EQ(IntOf("12px"), 12);
    EXPECT_EQ(IntOf("007"), 7);
    EXPECT_EQ(IntOf("\" 42\""), 42);  // blanks kept by the quotes are skipped, as the platform does
    EXPECT_EQ(LeadingInteger("\x01\x1F 9"), 9);
}

TEST(IniNumber, JunkGivesZeroAndNothingGivesTheDefault)
{
    EXPECT_EQ(IntOf("abc"), 0);
    EXPECT_EQ(IntOf("--5"), 0);
    EXPECT_EQ(IntOf("- 5"), 0);
    EXPECT_EQ(IntOf("0x10"), 0);  // no hexadecimal, unlike the platform
    EXPECT_EQ(IntOf("0"), 0);
    EXPECT_EQ(IntOf(""), 77);
    EXPECT_EQ(IntOf("\"\""), 77);  // empty once the quotes are gone
    EXPECT_EQ(GetInt("[S]\nk\n", "S", "k", 77), 77);
    EXPECT_EQ(GetInt("", "S", "k", -3), -3);
}

TEST(IniNumber, WrapsAround32BitsWithoutOverflowing)
{
    EXPECT_EQ(IntOf("2147483647"), INT_MAX);
    EXPECT_EQ(IntOf("2147483648"), INT_MIN);
    EXPECT_EQ(IntOf("-2147483648"), INT_MIN);
    EXPECT_EQ(IntOf("4294967297"), 1);
    EXPECT_EQ(IntOf("-4294967295"), 1);
    EXPECT_EQ(IntOf(std::string(200, '9')), LeadingInteger(std::string(200, '9')));
}

}  // namespace
}  // namespace wavorin::ini
