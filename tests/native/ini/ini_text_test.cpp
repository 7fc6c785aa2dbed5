// The settings text rules, one table per rule. What the platform itself does with the same
// files is compared under Wine (tests/windows/ini); these tables pin our side, including
// where we differ from Wine on purpose (lone lead bytes, a UTF-8 mark, cuts at 255 bytes,
// blank names, decimal-only numbers).

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "common/ini/CodePages.h"
#include "common/ini/IniNames.h"
#include "common/ini/IniText.h"

namespace wavorin::ini {
namespace {

using namespace std::string_literals;  // texts hold NULs and bytes above 0x7F

const std::string x253(253, 'x'), x254(254, 'x'), x255(255, 'x'), a = "\x82\xA0";  // あ

TEST(IniText, Lookups)
{
    const std::string lookups[][4] = {  // text, section, key, value
        {"[S]\n\x83\x41=1\n", "S", "\x83\x61", ""},                // ア is no ヂ: trail bytes compare exactly
        {"[SeCtIoN]\n\x83\x41wIdTh=1\n", "section", "\x83\x41WIDTH", "1"},  // ASCII case folds, after a pair too
        {"[\x83\x5D]\nk=1\n", "\x83\x5D", "k", "1"},               // ゾ ends in 0x5D, no ']'
        {"[S]\na=1\n[T]\nb=2\n[s]\nb=3\n", "S", "b", ""},          // a later [s] is never read
        {"[S]\nk=1\nK=2\n", "S", "k", "1"},
        {"[S]\n  k  \nk=2\n", "S", "k", ""},                       // no '=': found, without value
        {"k=0\n[]\nk=1\n", "", "k", ""},                           // blank names find nothing
        {"k=0\n[S]\n", "S", "k", ""},
        {"  [ S ] junk \nk=1\n", "S", "k", "1"},
        {"[a]b]c\nk=1\n", "a]b", "k", "1"},                        // the last ']' closes
        {"[S]\n[k=1\n", "S", "[k", "1"},                           // '[' without ']' is a key line
        {"[S]\nk=a=b\n", "S", "k", "a=b"},
        {"[S]\n \t k \t = \t v  w \t\x1A\n", " S\t", "\tk ", "v  w"},
        {"[S\0x]\nk\0y=a\0b\n"s, "S", "k\0z"s, "a"},               // names and values end at NUL
        {"[S]\nk=' a '\n", "S", "k", " a "},
        {"[S]\nk=\"\n", "S", "k", "\""},
        {"[S]\nk=\"v'\n", "S", "k", "\"v'"},
        {"[S]\nk=\"\"v\"\"\n", "S", "k", "\"v\""},
        {"[S]\r\na=1\r\nb=2\r\n", "S", "b", "2"},
        {"[S]\ra=1\rb=2\n", "S", "a", "1"},
        {"\xEF\xBB\xBF[S]\nk=1", "S", "k", "1"},                   // UTF-8 mark skipped
        {"\xEF\xBB[S]\nk=1", "S", "k", ""},
        {"[S]\nk=\x82\nj=3\n", "S", "k", "\x82"},                   // a lone lead byte keeps the LF
        {"[S]\nk=" + std::string(300, 'x'), "S", "k", x255},
        {"[S]\nk=" + x254 + a + "\n", "S", "k", x254},             // あ would end at byte 256
        {"[S]\nk=" + x253 + a + "\n", "S", "k", x253 + a},
        {"[S]\nk=\"" + x254 + a + "\"\n", "S", "k", x254},         // quotes go before the cut
    };
    for (const auto& [text, section, key, value] : lookups)
        EXPECT_EQ(GetString(text, section, key), value) << testing::PrintToString(text) << " " << section << "/" << key;
}

TEST(IniText, Numbers)
{
    const std::pair<std::string, int> numbers[] = {
        {"1024", 1024}, {"+7", 7}, {"12px", 12}, {"\" 42\"", 42}, {"\x01\x1F 9", 9}, {"--5", 0}, {"0x10", 0},
        {"", 77}, {"\"\"", 77}, {"2147483648", INT_MIN}, {"-4294967295", 1}, {std::string(200, '9'), -1}};
    for (const auto& [value, expected] : numbers) EXPECT_EQ(GetInt("[S]\nk=" + value + "\n", "S", "k", 77), expected) << value;
    EXPECT_EQ(GetInt("[S]\nk\n", "S", "k", -3), -3);
}

TEST(IniText, Writes)
{
    const std::string messy = "; head\r\n[S] x\r\n  Key  =  old  \t\r\nother=1\r\n[S]\r\nKey=2\r\n";
    const std::string writes[][5] = {  // text, section, key, value, text written
        {messy, "s", "KEY", "new", "; head\r\n[S] x\r\n  Key  =  new  \t\r\nother=1\r\n[S]\r\nKey=2\r\n"},
        {"[S]\nk\nz=1", "S", "k", "v", "[S]\nk=v\nz=1"},                  // a bare name gains "=value"
        {"[S]\nk=1 \t", "S", "k", "  \t22  ", "[S]\nk=22 \t"},             // blanks around values dropped
        {"[S]\r\na=1\r\n\r\n  \r\n[T]\r\n", "S", "b", "2", "[S]\r\na=1\r\nb=2\r\n\r\n  \r\n[T]\r\n"},
        {"[S]\na=1", "S", "b", "2", "[S]\na=1\nb=2\n"},
        {"[S]\ra=1\r", "S", "b", "2", "[S]\ra=1\rb=2\r"},
        {"", " Section ", " Width ", "1024", "[Section]\r\nWidth=1024\r\n"},
        {"[T]\r\nx=1", "S", "k", "v", "[T]\r\nx=1\r\n[S]\r\nk=v\r\n"},
        {"\xEF\xBB\xBF", "S", "k", "v", "\xEF\xBB\xBF[S]\r\nk=v\r\n"},
        {"[S\x82", "S", "k", "v", "[S\x82\r\n[S]\r\nk=v\r\n"},
        {"[\x83\x5D]\n", "\x83\x5D", "k]", "v\x82", "[\x83\x5D]\nk]=v\x82\n"},  // 0x5D as a second byte is fine
    };
    for (const auto& [text, section, key, value, written] : writes)
        EXPECT_EQ(SetString(text, section, key, value), written) << testing::PrintToString(text) << " " << section << "/" << key;
    const std::string refused[][3] = {
        {"S\r", "k", "v"}, {"S", "k\n", "v"}, {"S", "k", "v\rx=1"}, {"S\0T"s, "k", "v"}, {"S", "k", "v\0"s},
        {" \t", "k", "v"}, {"S", "\x1A", "v"}, {"S", "a=b", "v"}, {"S", " [k", "v"}, {"a]b", "k", "v"},
        {"ab\x82", "k", "v"}};  // a lone lead byte would eat the ']'
    for (const auto& [section, key, value] : refused)
        EXPECT_EQ(SetString("[S]\r\nk=1\r\n", section, key, value), std::nullopt) << testing::PrintToString(section + key + value);
    EXPECT_EQ(SetString(u"[S]\n", u"S", u"k", u"v\0"s), std::nullopt);
}

TEST(IniText, NamesAndValuesConvertThroughCodePage932)
{
    EXPECT_EQ(ValueAsUtf16("a\x82\xA0\x85\x40"), u"aあ\u30FB");  // 85 40 is unassigned
    EXPECT_EQ(ValueAsAnsi(u"\U0001F600aあ\xD800\xE000"), "??a\x82\xA0?\xF0\x40");  // one '?' per unit; U+E000 is user-defined F040
}

}  // namespace
}  // namespace wavorin::ini
