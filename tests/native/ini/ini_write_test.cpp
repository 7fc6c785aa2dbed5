#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "common/ini/IniText.h"
#include "common/ini/IniWriteRules.h"

namespace wavorin::ini {
namespace {

using namespace std::string_literals;

struct Write {
    std::string before;
    std::string section;
    std::string key;
    std::string value;
    std::string after;
};

void ExpectAll(const std::vector<Write>& writes)
{
    for (const Write& w : writes) {
        SCOPED_TRACE(testing::Message() << "before=" << testing::PrintToString(w.before) << " key=" << w.key);
        EXPECT_EQ(SetString(w.before, w.section, w.key, w.value), std::optional<std::string>(w.after));
    }
}

TEST(IniWrite, ReplacesOnlyTheValueBytes)
{
    const std::string messy = "; head\r\n[S] x\r\n  Key  =  old  \t\r\nother=1\r\n[S]\r\nKey=2\r\n";
    ExpectAll({
        {messy, "s", "KEY", "new", "; head\r\n[S] x\r\n  Key  =  new  \t\r\nother=1\r\n[S]\r\nKey=2\r\n"},
        {messy, "S", "Key", "old", messy},                           // same value: same text
        {"[S]\nk\nz=1", "S", "k", "v", "[S]\nk=v\nz=1"},             // a bare name gains "=value"
        {"[S]\nk=\nz=1", "S", "k", "v", "[S]\nk=v\nz=1"},
        {"[S]\nk=1 \t", "S", "k", "  \t22  ", "[S]\nk=22 \t"},        // blanks around values dropped
        {"[S]\nk=\"a\"\r\n", "S", "k", "", "[S]\nk=\r\n"},
    });
}

TEST(IniWrite, AddsAKeyAfterTheSectionsLastNonBlankLine)
{
    ExpectAll({
        {"[S]\r\na=1\r\n\r\n  \r\n[T]\r\n", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n\r\n  \r\n[T]\r\n"},
        {"[S]\r\n;note\r\n\r\n", "S", "b", "2", "[S]\r\n;note\r\nb=2\r\n\r\n"},
        {"[S]\r\n[T]\r\n", "S", "b", "2", "[S]\r\nb=2\r\n[T]\r\n"},
        {"[S]\na=1", "S", "b", "2", "[S]\na=1\nb=2\n"},                // last line had no break
        {"[S]", "S", "b", "2", "[S]\r\nb=2\r\n"},
        {"[S]\na=1\n[s]\nc=3\n", "S", "b", "2", "[S]\na=1\nb=2\n[s]\nc=3\n"},
        {"[S]\ra=1\r", "S", "b", "2", "[S]\ra=1\rb=2\r"},
    });
}

TEST(IniWrite, AddsAMissingSectionAtTheEnd)
{
    ExpectAll({
        {"", " Section ", " Width ", "1024", "[Section]\r\nWidth=1024\r\n"},
        {"[T]\nx=1\n", "S", "k", "v", "[T]\nx=1\n[S]\nk=v\n"},
        {"[T]\r\nx=1", "S", "k", "v", "[T]\r\nx=1\r\n[S]\r\nk=v\r\n"},
        {"[T]\nx=1\n\n\n", "S", "k", "v", "[T]\nx=1\n\n\n[S]\nk=v\n"},
        {"\xEF\xBB\xBF", "S", "k", "v", "\xEF\xBB\xBF[S]\r\nk=v\r\n"},
        {"k=0\n", "S", "k", "v", "k=0\n[S]\nk=v\n"},
        {"[S\x82", "S", "k", "v", "[S\x82\r\n[S]\r\nk=v\r\n"},
    });
}

TEST(IniWrite, RefusesWhatCouldNotBeReadBack)
{
    const std::vector<Write> unsafe = {
        {"", "S\r", "k", "v", ""}, {"", "S", "k\n", "v", ""}, {"", "S", "k", "v\rx=1", ""},
        {"", "S", "k", "v\nx=1", ""}, {"", "S\0T"s, "k", "v", ""}, {"", "S", "k", "v\0"s, ""},
        {"", "", "k", "v", ""}, {"", " \t", "k", "v", ""}, {"", "S", "", "v", ""},
        {"", "S", "\x1A", "v", ""}, {"", "S", "a=b", "v", ""}, {"", "S", " [k", "v", ""},
        {"", "a]b", "k", "v", ""}, {"", "ab\x82", "k", "v", ""},  // a lone lead byte would eat ']'
    };
    for (const Write& w : unsafe) {
        SCOPED_TRACE(testing::PrintToString(w.section) + " " + testing::PrintToString(w.key));
        EXPECT_FALSE(CanWrite(w.section, w.key, w.value));
        EXPECT_EQ(SetString("[S]\r\nk=1\r\n", w.section, w.key, w.value), std::nullopt);
    }
    EXPECT_TRUE(CanWrite("\x83\x5D", "k]", ""));      // ゾ: 0x5D as a second byte is fine
    EXPECT_TRUE(CanWrite("[S", "k\x82", "v\x82"));
}

TEST(IniWrite, WhatIsWrittenReadsBack)
{
    const std::vector<std::string> texts = {
        "", "[S]\r\n", "x=1\n[s]\nk\n[S]\nk=2\n", "[T]\r\n[S] \r\n\r\n", "\xEF\xBB\xBF;c\r[S]\rk=1",
        "[S]\nk=1\n[S]\nk=3\n", "[S]\n\x83\x41=1\n"};
    const std::vector<std::string> values = {"v", "", "  padded  ", "\"quoted\"", "=;[x]", "\x83\x5D\x82",
                                             std::string(300, 'y')};
    for (const std::string& text : texts) {
        for (const std::string& value : values) {
            SCOPED_TRACE(testing::PrintToString(text) + " <- " + testing::PrintToString(value));
            const auto written = SetString(text, "s", "K", value);
            ASSERT_TRUE(written);
            const auto expected = GetString("[x]\nk=" + value + "\n", "x", "k");
            EXPECT_EQ(GetString(*written, "S", "k"), expected);
            EXPECT_EQ(SetString(*written, "S", "k", value), written);  // writing again changes nothing
        }
    }
}

}  // namespace
}  // namespace wavorin::ini
