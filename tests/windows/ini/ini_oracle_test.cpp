// Our settings reader and writer against the platform's own profile functions
// (GetPrivateProfileStringA with a 256-byte buffer, GetPrivateProfileStringW,
// GetPrivateProfileIntA, WritePrivateProfileStringA) in code page 932, on files saved as
// ANSI and as UTF-16. Left out of the files compared, because we differ from Wine on
// purpose (our side is pinned in tests/native/ini): a lead byte before a byte that cannot
// end a character (Wine pairs it even with a line break), a UTF-8 mark (Wine reads UTF-8
// after it), blank names (Wine finds keys before the first section, or "=value"), 0x, 0o
// and 0b numbers, "[]" headers (Wine's rewrite moves their keys into the section before),
// letters with case outside ASCII. At 255 bytes Wine may cut inside a character and hand
// back a byte it never wrote, so long values compare up to their last character or two.

#include <gtest/gtest.h>

#include <windows.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "common/ini/FileBytes.h"
#include "common/ini/IniFile.h"
#include "common/ini/IniNames.h"
#include "common/ini/IniWriteRules.h"

namespace wavorin::ini {
namespace {

using namespace std::string_literals;
namespace fs = std::filesystem;
using Names = std::vector<std::string>;

std::wstring Wide(std::string_view cp932)
{
    std::wstring text(cp932.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(932, 0, cp932.data(), static_cast<int>(cp932.size()),
                                                             text.data(), static_cast<int>(text.size()))));
    return text;
}

// A CP932 text as Notepad saves it: as it is (no mark), or UTF-16 after FF FE or FE FF.
const std::string_view kMarks[] = {"", "\xFF\xFE", "\xFE\xFF"};
std::string SavedAs(std::string_view mark, std::string_view cp932)
{
    const bool bigEndian = mark == kMarks[2];
    std::string bytes(mark.empty() ? cp932 : mark);
    for (const wchar_t unit : mark.empty() ? std::wstring() : Wide(cp932))
        bytes.append({static_cast<char>(bigEndian ? unit >> 8 : unit), static_cast<char>(bigEndian ? unit : unit >> 8)});
    return bytes;
}

// In a folder of our own, removed at exit, every file gets a name never used before, so
// the platform's profile cache cannot answer from an older file of the same name.
fs::path NewFile(const std::optional<std::string>& bytes)
{
    static struct Scratch {
        const fs::path folder = fs::temp_directory_path() / ("wavorin_ini_oracle_" + std::to_string(GetCurrentProcessId()));
        int files = 0;
        ~Scratch() { WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr), fs::remove_all(folder, error); }
        std::error_code error;
    } scratch;
    fs::create_directories(scratch.folder);
    const fs::path file = scratch.folder / ("case" + std::to_string(++scratch.files) + ".ini");
    if (bytes) std::ofstream(file, std::ios::binary) << *bytes;
    return file;
}

// The buffers are filled with '#' first, so what the platform leaves unwritten shows up.
std::string PlatformString(const fs::path& file, const std::string& section, const std::string& key)
{
    std::string buffer(256, '#');
    buffer.resize(std::min<DWORD>(255, GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(), 256,
                                                                file.string().c_str())));
    return buffer;
}
std::wstring PlatformWide(const fs::path& file, const std::string& section, const std::string& key)
{
    std::wstring buffer(4096, L'#');
    buffer.resize(std::min<DWORD>(4095, GetPrivateProfileStringW(Wide(section).c_str(), Wide(key).c_str(), L"",
                                                                 buffer.data(), 4096, file.c_str())));
    return buffer;
}

// Equal, or both cut at 255 bytes and equal but for their last character or two.
bool Same(const std::string& ours, const std::string& platform)
{
    return ours == platform || (ours.size() >= 254 && platform.size() >= 254 && ours.compare(0, 252, platform, 0, 252) == 0);
}

bool IsPrefixedNumber(const std::string& value)
{
    static const std::regex kPrefixedNumber("^[\\x01- ]*[+-]?0[xXoObB]");  // read as decimal only by us
    return std::regex_search(value, kPrefixedNumber);
}

// Our reader reads from ours what the platform's reader reads from theirs: before any write
// two copies of the same bytes; once written, by us to ours and by the platform to theirs,
// each reader also reads the other's file as its own.
void ExpectSameReads(const fs::path& ours, const fs::path& theirs, const Names& sections, const Names& keys, bool written)
{
    for (const std::string& section : sections) {
        for (const std::string& key : keys) {
            SCOPED_TRACE(testing::PrintToString(section) + " / " + testing::PrintToString(key));
            const std::string expected = PlatformString(theirs, section, key);
            EXPECT_PRED2(Same, ReadString(ours, section, key), expected) << "our file, our reader";
            if (written) {
                EXPECT_PRED2(Same, PlatformString(ours, section, key), expected) << "our file, platform reader";
                EXPECT_PRED2(Same, ReadString(theirs, section, key), expected) << "platform file, our reader";
                EXPECT_EQ(PlatformWide(ours, section, key), PlatformWide(theirs, section, key)) << "wide reader";
            }
            if (IsPrefixedNumber(expected)) continue;
            EXPECT_EQ(ReadInt(ours, section, key, -99),
                      static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), -99, theirs.string().c_str())));
        }
    }
}

struct Tricky {
    std::optional<std::string> text;  // none: no file yet
    Names sections, keys;
    std::vector<std::array<std::string, 3>> writes;  // section, key, value
};

// The file read in each way it is saved; the writes made with WriteString to one copy and
// with WritePrivateProfileStringA to another. Wine rewrites the whole file in its own
// layout, so the bytes are not compared with Wine's, but a UTF-16 file must change as the
// same file saved as ANSI does: its mark, its notes and every other line kept.
void Compare(const Tricky& tricky, std::initializer_list<std::string_view> marks)
{
    std::string ansiWritten;
    for (const std::string_view mark : marks) {
        if (!tricky.text && !mark.empty()) continue;  // a new file is ANSI
        SCOPED_TRACE(testing::PrintToString(tricky.text.value_or("(none)")) + " after mark " + testing::PrintToString(mark));
        const auto saved = tricky.text ? std::optional(SavedAs(mark, *tricky.text)) : std::nullopt;
        const fs::path ours = NewFile(saved), theirs = NewFile(saved);
        if (saved) ExpectSameReads(ours, theirs, tricky.sections, tricky.keys, false);
        if (tricky.writes.empty()) continue;
        Names sections = tricky.sections, keys = tricky.keys;
        for (const auto& [section, key, value] : tricky.writes) {
            EXPECT_TRUE(WriteString(ours, section, key, value));
            EXPECT_TRUE(WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), theirs.string().c_str()));
            sections.push_back(section), keys.push_back(key);
        }
        ExpectSameReads(ours, theirs, sections, keys, true);
        if (mark.empty()) ansiWritten = ReadWholeFile(ours, kMaxFileBytes).bytes;
        else if (!ansiWritten.empty()) { EXPECT_EQ(ReadWholeFile(ours, kMaxFileBytes).bytes, SavedAs(mark, ansiWritten)); }
    }
}

TEST(IniOracle, TrickyFilesAndWrites)
{
    ASSERT_EQ(GetACP(), 932u) << "run under a Japanese locale (LANG=ja_JP.UTF-8)";
    const std::string x300(300, 'x');
    const Tricky files[] = {
        {std::nullopt, {kSection}, {kKeyWidth, kKeyHeight}, {{kSection, kKeyWidth, "1024"}}},
        {"; Wavorin\r\n[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\nBGM\xD8\xCB\xDF\xB0\xC4=1\r\nBGM\xCC\xA7\xB2\xD9=C:\\a.mp3\r\n"
         "Width=1920\r\n; end\r\n\r\n[Other]\r\nk=1\r\n",
         {kSection, "section", "Other"}, {kKeyMusicSource, kKeyRepeatTrack, kKeyMusicFile, kKeyWidth, "WIDTH", kKeyHeight, "k", "; end"},
         {{kSection, kKeyMusicFile, "D:\\\x89\xB9\x8A\x79\\\x8B\xC8.mp3"}, {kSection, kKeyHeight, "1080"}}},
        {"[\x83\x5B\x83\x5D]\r\n\x83\x41=1\r\n\x83\x61=2\r\n\x95\x5C\x83\x5C=3\r\n[\x83\x5D]\r\nk=4\r\n",
         {"\x83\x5B\x83\x5D", "\x83\x5D", "\x83\x5B"}, {"\x83\x41", "\x83\x61", "\x95\x5C\x83\x5C", "k"},
         {{"\x83\x5D", "\x83\x41", "\x95\x5C"}}},
        {"[S]\r\na\r\na=1\r\n b \r\nb=2\r\n\r\n\r\n[T]\r\n", {"S", "T"}, {"a", "b", "c"}, {{"S", "a", "5"}, {"S", "c", "3"}}},
        {" \t[ S\t]  x\r\n \t a \t= \t1 \t\r\nb\v=\f2\x1A\r\n", {"S", " S "}, {"a", "b", " a\t"}, {{" S ", " c\t", ""}}},
        {"[S]\r\na=" + x300 + "\r\nb=\"" + x300 + "\"\r\nc=" + x300.substr(0, 255) + "\r\nd=\"" + x300.substr(0, 253) +
             "\"\r\ne=" + x300.substr(0, 253) + "\x82\xA0\r\nf=" + std::string(300, '\x82') + "\r\n",
         {"S"}, {"a", "b", "c", "d", "e", "f"}, {{"S", "g", x300}}},
        {"[S]\r\na=42\r\nb=-7\r\nc=+3\r\nd=12abc\r\ne=abc\r\nf=4294967297\r\ng=\" 8\"\r\nh=\r\ni=-\r\n", {"S"},
         {"a", "b", "c", "d", "e", "f", "g", "h", "i"}, {{"S", "a", "42"}}},
        {"[S\0x]\r\na\0y=1\r\nb=2\0z\r\nc=\x01\x02x\r\n"s, {"S"}, {"a", "b", "c"}, {}},
        {"[S]\r\na\x81\x40=1\r\n\x82\x60=2\r\n\x83\x9F=3\r\nb=\x81\x40v\x81\x40\r\n", {"S"},
         {"a", "a\x81\x40", "\x82\x60", "\x82\x81", "\x83\x9F", "\x83\xBF", "b"}, {}},
    };
    for (const Tricky& tricky : files) Compare(tricky, {kMarks[0], kMarks[1], kMarks[2]});
}

// Files pieced together at random from names, marks, blanks, text and line breaks of
// every kind: all that both readers must agree on (see the top of this file).
Tricky RandomFile(std::mt19937& random)
{
    static const Names kSections = {"S", "s", " S\t", "\x83\x5B\x83\x5D", "x]y"};
    static const Names kKeys = {"a", "A", " a ", "Key", "\x83\x41", "\x83\x61", "\x95\x5C\xB1"};
    static const Names kBreaks = {"\r\n", "\n", "\r", "\r\n", "\n"};
    static const Names kText = {"x", "Q", "7", "0", "-", " ", "\t", "\v", "\x1A", "=", ";", "\"", "'", "[", "]",
                                "\x82\xA0", "\x83\x5C", "\xDF"};
    const auto pick = [&](const Names& names) { return names[random() % names.size()]; };
    Tricky file{"", kSections, kKeys, {}};
    std::string& text = *file.text;
    for (int piece = 0; piece < 60; ++piece) {
        const unsigned kind = random() % 10;
        if (kind < 6) text += pick(kBreaks);
        if (kind < 2) text.append("[").append(pick(kSections)).append("]");
        else if (kind < 5) text.append(pick(kKeys)).append("=");
        for (unsigned n = random() % (random() % 20 ? 8 : 300); n > 0; --n) text += pick(kText);
    }
    text = std::regex_replace(text, std::regex("\\[[ \t\v\x1A]*\\]"), "[s]");  // no blank header
    std::string value;
    for (unsigned n = random() % 12; n > 0; --n) value += pick(kText);
    if (const std::array<std::string, 3> write{pick(kSections), pick(kKeys), value}; CanWrite(write[0], write[1], write[2]))
        file.writes.push_back(write);
    return file;
}

TEST(IniOracle, GeneratedFilesReadAndWriteTheSame)
{
    constexpr int kFiles = 40;
    std::mt19937 random(0x57A0);  // fixed start value: the same files every run
    for (int n = 0; n < kFiles && !HasFailure(); ++n) {
        const Tricky file = RandomFile(random);
        if (n % 4 != 3) Compare(file, {kMarks[0]});
        else Compare(file, {kMarks[0], kMarks[1 + n / 4 % 2]});  // one in four also UTF-16, laid out as ANSI
    }
}

}  // namespace
}  // namespace wavorin::ini
