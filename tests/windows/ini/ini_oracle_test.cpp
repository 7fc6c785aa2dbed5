// Our settings reader and writer against the platform's profile functions: Wine 8's
// GetPrivateProfileStringA (256-byte buffer), GetPrivateProfileStringW,
// GetPrivateProfileIntA and WritePrivateProfileStringA, in the Japanese code page 932, on
// files saved as ANSI and as UTF-16.
//
// Differences by design, each pinned in ini_oracle_differences_test.cpp and kept out of
// the files compared here:
//  - A lead byte followed by a byte that cannot end a character stands alone for us; the
//    platform pairs it with whatever follows, even a line break.
//  - After a UTF-8 byte order mark the file is still CP932 bytes to us; Wine decodes the
//    rest as UTF-8. A UTF-16 byte order mark makes both read and write UTF-16.
//  - Values over 255 bytes: we stop before a character that would not fit. Wine cuts at
//    255 characters and may return a last byte it never wrote; a quoted value of exactly
//    255 characters loses its last one there.
//  - An empty or blank section name finds nothing for us; Wine finds the keys before the
//    first section. An empty or blank key name finds nothing for us; Wine finds "=value".
//  - Numbers are decimal for us; Wine also reads 0x, 0o and 0b prefixes and looks at only
//    the first 29 characters of a value.
//  - Wine's writer rewrites the whole file and drops "[]" headers, which moves their keys
//    into the section before; we change only the bytes of the one entry.
//  - Case folding is ASCII-only for both here; Windows may fold other letters, so the
//    generated files use only caseless two-byte characters. (U+3000 is no blank to Wine 8
//    either; both agree on it.)

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "common/ini/IniNames.h"
#include "common/ini/IniWriteRules.h"
#include "tests/windows/ini/OracleCompare.h"
#include "tests/windows/ini/PlatformProfile.h"
#include "tests/windows/ini/RandomIniFile.h"

namespace wavorin::ini::oracle {
namespace {

using namespace std::string_literals;

class JapaneseCodePage : public testing::Environment {
public:
    void SetUp() override { ASSERT_EQ(GetACP(), 932u) << "run under a Japanese locale (LANG=ja_JP.UTF-8)"; }
};
[[maybe_unused]] const testing::Environment* const kJapaneseCodePage = testing::AddGlobalTestEnvironment(new JapaneseCodePage);

struct TrickyFile {
    const char* what;
    std::string text;
    std::vector<std::string> sections;
    std::vector<std::string> keys;
};

const std::string x300(300, 'x');

const std::vector<TrickyFile> kTrickyFiles = {
    {"comments and blank lines", "; top\r\n\r\n[S]\r\n; note=1\r\n\r\na=1\r\n  \r\nb = 2 \r\n", {"S"},
     {"a", "b", "; note", ";"}},
    {"duplicate sections and keys", "[S]\r\na=1\r\na=2\r\n[T]\r\nb=3\r\n[s]\r\nb=4\r\na=5\r\n", {"S", "s", "T"},
     {"a", "b"}},
    {"lines without '='", "[S]\r\na\r\na=1\r\n b \r\nb=2\r\nc=3\r\n", {"S"}, {"a", "b", "c"}},
    {"blanks around names and values", " \t[ S\t]  x\r\n \t a \t= \t1 \t\r\nb\v=\f2\x1A\r\n", {"S", " S "},
     {"a", "b", " a\t"}},
    {"quotes", "[S]\r\na=\"1\"\r\nb='2'\r\nc=\"\r\nd=\"3'\r\ne=\"\"\r\nf=' x '\r\ng=\"\"4\"\"\r\n", {"S"},
     {"a", "b", "c", "d", "e", "f", "g"}},
    {"second bytes that look like brackets and letters",
     "[\x83\x5B\x83\x5D]\r\n\x83\x41=1\r\n\x83\x61=2\r\n\x95\x5C\x83\x5C=3\r\n[\x83\x5D]\r\nk=4\r\n",
     {"\x83\x5B\x83\x5D", "\x83\x5D", "\x83\x5B"}, {"\x83\x41", "\x83\x61", "\x95\x5C\x83\x5C", "k"}},
    {"the screensaver's own names",
     "[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\nBGM\xD8\xCB\xDF\xB0\xC4=1\r\nBGM\xCC\xA7\xB2\xD9=C:\\a.mp3\r\n"
     "Width=1920\r\nHeight=1080\r\n",
     {kSection, "section"}, {kKeyBgmKind, kKeyBgmRepeat, kKeyBgmFile, kKeyWidth, "WIDTH", kKeyHeight}},
    {"long values", "[S]\r\na=" + x300 + "\r\nb=\"" + x300 + "\"\r\nc=" + x300.substr(0, 255) + "\r\nd=" +
                        x300.substr(0, 254) + "\r\ne=\"" + x300.substr(0, 253) + "\"\r\n",
     {"S"}, {"a", "b", "c", "d", "e"}},
    {"long two-byte values", "[S]\r\na=" + x300.substr(0, 253) + "\x82\xA0\r\nb=" + std::string(300, '\x82') + "\r\n",
     {"S"}, {"a", "b"}},
    {"LF only", "[S]\na=1\n\n[T]\nb=2\n", {"S", "T"}, {"a", "b"}},
    {"CR only", "[S]\ra=1\r\r[T]\rb=2\r", {"S", "T"}, {"a", "b"}},
    {"no final line break", "[S]\r\na=1\r\nb=2", {"S"}, {"a", "b"}},
    {"a lone CR ends a line", "[S]\r\na=1\rb=2\r\n", {"S"}, {"a", "b"}},
    {"headers", "[S\r\na=1\r\n[T] junk\r\nb=2\r\n[x]y]z\r\nc=3\r\n", {"S", "T", "x]y", "x"}, {"a", "b", "c", "[S"}},
    {"keys before the first section", "a=0\r\n[S]\r\na=1\r\n", {"S"}, {"a"}},
    {"numbers", "[S]\r\na=42\r\nb=-7\r\nc=+3\r\nd=12abc\r\ne=abc\r\nf=4294967297\r\ng=\" 8\"\r\nh=\r\ni=0\r\nj=-\r\n",
     {"S"}, {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}},
    {"NUL bytes", "[S\0x]\r\na\0y=1\r\nb=2\0z\r\n"s, {"S"}, {"a", "b"}},
    {"letters outside ASCII and U+3000", "[S]\r\na\x81\x40=1\r\n\x82\x60=2\r\n\x83\x9F=3\r\nb=\x81\x40v\x81\x40\r\n",
     {"S"}, {"a", "a\x81\x40", "\x82\x60", "\x82\x81", "\x83\x9F", "\x83\xBF", "b"}},
    {"control bytes", "[S]\r\na=\x01\x02x\r\n\x03=4\r\n", {"S"}, {"a", "\x03"}},
    {"empty file", "", {"S"}, {"a"}},
};

// Every tricky file is also compared as Notepad's "Unicode" saves it, in either byte order.
constexpr Saved kEveryWay[] = {Saved::Ansi, Saved::Unicode, Saved::UnicodeBigEndian};

const char* NameOf(Saved how)
{
    return how == Saved::Ansi ? "ANSI" : how == Saved::Unicode ? "UTF-16LE" : "UTF-16BE";
}

TEST(IniOracle, TrickyFilesReadTheSame)
{
    ScratchFolder folder;
    for (const Saved how : kEveryWay) {
        for (const TrickyFile& tricky : kTrickyFiles) {
            SCOPED_TRACE(std::string(tricky.what) + ", " + NameOf(how));
            ExpectSameReads(folder.NewFile(SavedAs(how, tricky.text)), AllPairs(tricky.sections, tricky.keys));
        }
    }
}

struct TrickyWrite {
    const char* what;
    std::optional<std::string> text;  // none: no file yet
    std::vector<Write> writes;
    std::vector<std::string> sections;
    std::vector<std::string> keys;
};

const std::vector<TrickyWrite> kTrickyWrites = {
    {"replace in a messy file", kTrickyFiles[0].text, {{"S", "a", "new"}}, {"S"}, {"a", "b"}},
    {"add after trailing blank lines", "[S]\r\na=1\r\n\r\n\r\n[T]\r\nb=2\r\n", {{"S", "c", "3"}}, {"S", "T"},
     {"a", "b", "c"}},
    {"new section, no final line break", "[S]\r\na=1", {{"T", "k", "v"}}, {"S", "T"}, {"a", "k"}},
    {"new file", std::nullopt, {{kSection, kKeyWidth, "1024"}}, {kSection}, {kKeyWidth, kKeyHeight}},
    {"first of duplicate sections", "[S]\r\na=1\r\n[s]\r\nb=2\r\n", {{"S", "b", "9"}}, {"S"}, {"a", "b"}},
    {"a line without '='", "[S]\r\na\r\na=1\r\n", {{"S", "a", "5"}}, {"S"}, {"a"}},
    {"LF file", "[S]\na=1\n", {{"S", "b", "2"}}, {"S"}, {"a", "b"}},
    {"CR file", "[S]\ra=1\r", {{"S", "b", "2"}}, {"S"}, {"a", "b"}},
    {"two-byte names", kTrickyFiles[5].text, {{"\x83\x5D", "\x83\x41", "\x95\x5C"}}, kTrickyFiles[5].sections,
     kTrickyFiles[5].keys},
    {"blanks and quotes in the value", "[S]\r\na=1\r\n", {{"S", "a", "  \"q\"  "}}, {"S"}, {"a"}},
    {"a long value", "[S]\r\na=1\r\n", {{"S", "a", x300}}, {"S"}, {"a"}},
    {"names with blanks around", "[S]\r\na=1\r\n", {{" S ", " a\t", "7"}}, {"S"}, {"a"}},
    {"the screensaver's own file", kTrickyFiles[6].text, {{kSection, kKeyBgmFile, "D:\\\x89\xB9\x8A\x79\\\x8B\xC8.mp3"}},
     kTrickyFiles[6].sections, kTrickyFiles[6].keys},
    {"the same value again", "[S]\r\na=1\r\n", {{"S", "a", "1"}}, {"S"}, {"a"}},
    {"an empty value", "[S]\r\na=1\r\n", {{"S", "a", ""}}, {"S"}, {"a"}},
    {"keys before any section", "a=0\r\n", {{"S", "a", "1"}}, {"S"}, {"a"}},
    {"a run's screen size after a note and the music keys",
     "; Wavorin\r\n[Section]\r\n"s + kKeyBgmKind + "=2\r\n" + kKeyBgmFile + "=D:\\\x8B\xC8.mp3\r\n; end\r\n\r\n[Other]\r\nk=1\r\n",
     {{kSection, kKeyWidth, "1920"}, {kSection, kKeyHeight, "1080"}}, {kSection, "Other"},
     {kKeyBgmKind, kKeyBgmFile, kKeyWidth, kKeyHeight, "; Wavorin", "; end", "k"}},
};

TEST(IniOracle, TrickyWritesReadTheSame)
{
    ScratchFolder folder;
    for (const TrickyWrite& tricky : kTrickyWrites) {
        std::string ansiResult;
        for (const Saved how : kEveryWay) {
            if (!tricky.text && how != Saved::Ansi) continue;  // a new file is ANSI
            SCOPED_TRACE(std::string(tricky.what) + ", " + NameOf(how));
            const auto ourFile = tricky.text ? folder.NewFile(SavedAs(how, *tricky.text)) : folder.NewName();
            const auto platformFile = tricky.text ? folder.NewFile(SavedAs(how, *tricky.text)) : folder.NewName();
            ExpectSameWrites(ourFile, platformFile, tricky.writes, AllPairs(tricky.sections, tricky.keys));
            // A Unicode file changes exactly as the same file saved as ANSI does: it keeps its
            // byte order mark, its notes and every other line.
            if (how == Saved::Ansi) ansiResult = BytesOf(ourFile);
            else EXPECT_EQ(BytesOf(ourFile), SavedAs(how, ansiResult));
        }
    }
}

constexpr int kGeneratedFiles = 300;

TEST(IniOracle, GeneratedFilesReadAndWriteTheSame)
{
    ScratchFolder folder;
    std::mt19937 random(0x57A0);  // fixed start value: the same files every run
    int found = 0;
    int writes = 0;
    for (int n = 0; n < kGeneratedFiles; ++n) {
        const RandomIniFile file = MakeRandomIniFile(random);
        const Saved how = kEveryWay[n % 4 == 3 ? 1 + n / 4 % 2 : 0];  // one file in four saved as Unicode
        const std::string saved = SavedAs(how, file.text);
        SCOPED_TRACE(testing::Message() << "file " << n << ", " << NameOf(how) << ": " << testing::PrintToString(file.text));
        std::vector<std::string> sections, keys;
        for (const auto& name : file.sections) sections.push_back(Respelled(name, random));
        for (const auto& name : file.keys) keys.push_back(Respelled(name, random));
        const auto lookups = AllPairs(sections, keys);
        found += ExpectSameReads(folder.NewFile(saved), lookups);

        for (int attempt = 0; attempt < 10; ++attempt) {
            const Lookup written{sections[random() % sections.size()], keys[random() % keys.size()]};
            const std::string value = RandomValue(random);
            if (!CanWrite(written.section, written.key, value)) continue;
            ExpectSameWrites(folder.NewFile(saved), folder.NewFile(saved), {{written.section, written.key, value}}, lookups);
            ++writes;
            break;
        }
        if (HasFailure()) return;  // one broken file tells enough
    }
    std::printf("%d generated files: %d lookups found a value, %d writes compared\n", kGeneratedFiles, found, writes);
    EXPECT_GT(found, kGeneratedFiles * 3);  // the files must really hold what is looked up
    EXPECT_GT(writes, kGeneratedFiles * 8 / 10);
}

}  // namespace
}  // namespace wavorin::ini::oracle
