#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "common/ini/IniText.h"

namespace wavorin::ini {
namespace {

using namespace std::string_literals;  // texts hold NULs and bytes above 0x7F

struct Lookup {
    std::string text;
    std::string section;
    std::string key;
    std::string expected;
};

void ExpectAll(const std::vector<Lookup>& lookups)
{
    for (const Lookup& l : lookups) {
        SCOPED_TRACE(testing::Message() << "text=" << testing::PrintToString(l.text) << " section=" << l.section
                                        << " key=" << l.key);
        EXPECT_EQ(GetString(l.text, l.section, l.key), l.expected);
    }
}

TEST(IniLookup, NamesIgnoreAsciiCaseButCompareTrailBytesExactly)
{
    ExpectAll({
        {"[SeCtIoN]\nwIdTh=1\n", "section", "WIDTH", "1"},
        {"[S]\n\x83\x41=1\n", "S", "\x83\x41", "1"},             // ア
        {"[S]\n\x83\x41=1\n", "S", "\x83\x61", ""},              // ヂ: trail 'a' is no letter here
        {"[S]\n\x83\x41x=1\n", "s", "\x83\x41X", "1"},           // the letter after it still folds
        {"[S]\n\x82\x60=1\n", "S", "\x82\x81", ""},              // full-width Ａ/ａ do not fold
        {"[\x83\x5D]\nk=1\n", "\x83\x5D", "k", "1"},             // ゾ ends in 0x5D, not a ']'
        {"[a\x83\x5D\nk=1\n", "a\x83\x5D", "k", ""},             // so this line has no ']' at all
        {"[S]\n\x95\x5C=1\n", "s", "\x95\x5C", "1"},             // 表 ends in 0x5C
    });
}

TEST(IniLookup, FirstSectionAndFirstKeyWin)
{
    ExpectAll({
        {"[S]\na=1\n[T]\nb=2\n[s]\nb=3\na=4\n", "S", "b", ""},  // a later [s] is never read
        {"[S]\na=1\n[T]\nb=2\n[s]\nb=3\na=4\n", "S", "a", "1"},
        {"[S]\nk=1\nK=2\n", "S", "k", "1"},
        {"[S]\nk\nk=2\n", "S", "k", ""},                        // no '=': found, but no value
        {"[S]\n  k  \nk=2\n", "S", "k", ""},
        {"k=0\n[S]\nk=1\n", "", "k", ""},                       // keys before any section
        {"k=0\n[S]\n", "S", "k", ""},
        {"[S]\n[T]\nk=1\n", "S", "k", ""},
    });
}

TEST(IniLookup, HeadersAndKeyLinesFollowThePlatformsReading)
{
    ExpectAll({
        {"[ S ]\nk=1\n", "S", "k", "1"},                        // blanks inside brackets trimmed
        {"  [S] trailing junk \nk=1\n", "S", "k", "1"},
        {"[a]b]c\nk=1\n", "a]b", "k", "1"},                     // the last ']' closes
        {"[S]\n[k=1\n", "S", "[k", "1"},                        // '[' without ']' is a key line
        {"[S]\n;c=1\n", "S", ";c", "1"},                        // comments are keys
        {"[S]\nk=a=b\n", "S", "k", "a=b"},
        {"[S]\n \t k \t = \t v  w \t\x1A\n", " S\t", "\tk ", "v  w"},
        {"[S]\nk=\n", "S", "k", ""},
        {"[S]\nk=a\0b\n"s, "S", "k", "a"},                      // values and names end at NUL
        {"[S\0x]\nk\0y=1\n"s, "S", "k", "1"},
        {"[S]\nk=1\n", "S", "k\0z"s, "1"},
    });
}

TEST(IniLookup, QuotesAroundTheValueAreRemovedOnce)
{
    ExpectAll({
        {"[S]\nk=\"v\"\n", "S", "k", "v"},
        {"[S]\nk='v'\n", "S", "k", "v"},
        {"[S]\nk=\" a \"\n", "S", "k", " a "},
        {"[S]\nk=\"\"\n", "S", "k", ""},
        {"[S]\nk=\"\n", "S", "k", "\""},                         // one quote is no pair
        {"[S]\nk=\"v'\n", "S", "k", "\"v'"},
        {"[S]\nk=\"\"v\"\"\n", "S", "k", "\"v\""},
        {"[S]\nk=v\"\n", "S", "k", "v\""},
    });
}

TEST(IniLookup, AnyLineBreakEndsALine)
{
    ExpectAll({
        {"[S]\r\na=1\r\nb=2\r\n", "S", "b", "2"},
        {"[S]\ra=1\rb=2", "S", "b", "2"},
        {"[S]\ra=1\rb=2\n", "S", "a", "1"},                      // CR alone, even before an LF
        {"[S]\n\n\r\n\r\rb=2", "S", "b", "2"},
        {"\xEF\xBB\xBF[S]\nk=1", "S", "k", "1"},                 // byte order mark skipped
        {"\xEF\xBB[S]\nk=1", "S", "k", ""},                      // half a mark is text
        {"[S]\nk\x82\nk=2\n", "S", "k", "2"},                    // a lone lead byte keeps the LF
        {"[S]\nk=\x82\nj=3\n", "S", "k", "\x82"},
        {"[S]\nk=\x82\nj=3\n", "S", "j", "3"},
    });
}

TEST(IniLookup, ValuesAreCutAt255BytesBetweenCharacters)
{
    const std::string x253(253, 'x'), x254(254, 'x'), x255(255, 'x');
    ExpectAll({
        {"[S]\nk=" + std::string(300, 'x'), "S", "k", x255},
        {"[S]\nk=" + x255 + "\n", "S", "k", x255},
        {"[S]\nk=" + x254 + "\x82\xA0\n", "S", "k", x254},            // あ would end at byte 256
        {"[S]\nk=" + x253 + "\x82\xA0\n", "S", "k", x253 + "\x82\xA0"},
        {"[S]\nk=\"" + x255 + "\"\n", "S", "k", x255},                // quotes go before the cut
        {"[S]\nk=\"" + x254 + "\x82\xA0\"\n", "S", "k", x254},
    });
}

}  // namespace
}  // namespace wavorin::ini
