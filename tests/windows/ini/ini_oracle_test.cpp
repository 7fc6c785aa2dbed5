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
#include <iterator>
#include <optional>
#include <random>
#include <regex>
#include <string>
#include <vector>

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
    if (mark.empty()) return std::string(cp932);
    std::string bytes(mark);
    for (const wchar_t unit : Wide(cp932)) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes.append({mark == kMarks[2] ? high : low, mark == kMarks[2] ? low : high});
    }
    return bytes;
}

std::string BytesOf(const fs::path& file)
{
    return {std::istreambuf_iterator<char>(std::ifstream(file, std::ios::binary).rdbuf()), {}};
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

testing::AssertionResult Same(const std::string& ours, const std::string& platform)
{
    if (ours == platform || (ours.size() >= 254 && platform.size() >= 254 && ours.compare(0, 252, platform, 0, 252) == 0))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "ours " << testing::PrintToString(ours) << ", platform " << testing::PrintToString(platform);
}

// Every reader reads from ours what the platform's reader reads from theirs (the same file
// when nothing was written); returns how many lookups found a value.
int ExpectSameReads(const fs::path& ours, const fs::path& theirs, const Names& sections, const Names& keys)
{
    static const std::regex kPrefixedNumber("^[\\x01- ]*[+-]?0[xXoObB]");  // read as decimal only by us
    int found = 0;
    for (const std::string& section : sections) {
        for (const std::string& key : keys) {
            SCOPED_TRACE(testing::PrintToString(section) + " / " + testing::PrintToString(key));
            const std::string expected = PlatformString(theirs, section, key);
            EXPECT_TRUE(Same(ReadString(ours, section, key), expected)) << "our file, our reader";
            EXPECT_TRUE(Same(PlatformString(ours, section, key), expected)) << "our file, platform reader";
            EXPECT_TRUE(Same(ReadString(theirs, section, key), expected)) << "platform file, our reader";
            EXPECT_EQ(PlatformWide(ours, section, key), PlatformWide(theirs, section, key)) << "wide reader";
            found += expected.empty() ? 0 : 1;
            if (std::regex_search(expected, kPrefixedNumber)) continue;
            EXPECT_EQ(ReadInt(ours, section, key, -99),
                      static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), -99, theirs.string().c_str())));
        }
    }
    return found;
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
int Compare(const Tricky& tricky, std::initializer_list<std::string_view> marks)
{
    int found = 0;
    std::string ansiWritten;
    for (const std::string_view mark : marks) {
        if (!tricky.text && !mark.empty()) continue;  // a new file is ANSI
        SCOPED_TRACE(testing::PrintToString(tricky.text.value_or("(none)")) + " after mark " + testing::PrintToString(mark));
        const auto saved = tricky.text ? std::optional(SavedAs(mark, *tricky.text)) : std::nullopt;
        const fs::path ours = NewFile(saved), theirs = NewFile(saved);
        if (saved) found += ExpectSameReads(ours, ours, tricky.sections, tricky.keys);
        if (tricky.writes.empty()) continue;
        Names sections = tricky.sections, keys = tricky.keys;
        for (const auto& [section, key, value] : tricky.writes) {
            EXPECT_TRUE(WriteString(ours, section, key, value));
            EXPECT_TRUE(WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), theirs.string().c_str()));
            sections.push_back(section), keys.push_back(key);
        }
        ExpectSameReads(ours, theirs, sections, keys);
        if (mark.empty()) ansiWritten = BytesOf(ours);
        else if (!ansiWritten.empty()) { EXPECT_EQ(BytesOf(ours), SavedAs(mark, ansiWritten)); }
    }
    return found;
}

TEST(IniOracle, TrickyFilesAndWrites)
{
    ASSERT_EQ(GetACP(), 932u) << "run under a Japanese locale (LANG=ja_JP.UTF-8)";
    const std::string x300(300, 'x');
    const Tricky files[] = {
        {std::nullopt, {kSection}, {kKeyWidth, kKeyHeight}, {{kSection, kKeyWidth, "1024"}}},
        {"; Wavorin\r\n[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\nBGM\xD8\xCB\xDF\xB0\xC4=1\r\nBGM\xCC\xA7\xB2\xD9=C:\\a.mp3\r\n"
         "Width=1920\r\n; end\r\n\r\n[Other]\r\nk=1\r\n",
         {kSection, "section", "Other"}, {kKeyBgmKind, kKeyBgmRepeat, kKeyBgmFile, kKeyWidth, "WIDTH", kKeyHeight, "k", "; end"},
         {{kSection, kKeyBgmFile, "D:\\\x89\xB9\x8A\x79\\\x8B\xC8.mp3"}, {kSection, kKeyHeight, "1080"}}},
        {"[\x83\x5B\x83\x5D]\r\n\x83\x41=1\r\n\x83\x61=2\r\n\x95\x5C\x83\x5C=3\r\n[\x83\x5D]\r\nk=4\r\n",
         {"\x83\x5B\x83\x5D", "\x83\x5D", "\x83\x5B"}, {"\x83\x41", "\x83\x61", "\x95\x5C\x83\x5C", "k"},
         {{"\x83\x5D", "\x83\x41", "\x95\x5C"}}},
        {"; top\r\n\r\n[S]\r\n; note=1\r\n  a = old \r\n  \r\nb = 2 \r\n", {"S"}, {"a", "b", "; note", ";"}, {{"S", "a", "new"}}},
        {"[S]\r\na=1\r\na=2\r\n[T]\r\nb=3\r\n[s]\r\nb=4\r\na=5\r\n", {"S", "s", "T"}, {"a", "b"}, {{"S", "b", "9"}}},
        {"[S]\r\na\r\na=1\r\n b \r\nb=2\r\n\r\n\r\n[T]\r\n", {"S", "T"}, {"a", "b", "c"}, {{"S", "a", "5"}, {"S", "c", "3"}}},
        {" \t[ S\t]  x\r\n \t a \t= \t1 \t\r\nb\v=\f2\x1A\r\n", {"S", " S "}, {"a", "b", " a\t"}, {{" S ", " c\t", ""}}},
        {"[S]\r\na=\"1\"\r\nb='2'\r\nc=\"\r\nd=\"3'\r\ne=\"\"\r\nf=' x '\r\ng=\"\"4\"\"\r\n", {"S"},
         {"a", "b", "c", "d", "e", "f", "g"}, {{"S", "a", "  \"q\"  "}}},
        {"[S]\r\na=" + x300 + "\r\nb=\"" + x300 + "\"\r\nc=" + x300.substr(0, 255) + "\r\nd=\"" + x300.substr(0, 253) +
             "\"\r\ne=" + x300.substr(0, 253) + "\x82\xA0\r\nf=" + std::string(300, '\x82') + "\r\n",
         {"S"}, {"a", "b", "c", "d", "e", "f"}, {{"S", "g", x300}}},
        {"[S]\na=1\n\n[T]\nb=2\n", {"S", "T"}, {"a", "b", "c"}, {{"S", "c", "2"}}},
        {"[S]\ra=1\r\r[T]\rb=2", {"S", "T", "U"}, {"a", "b", "c"}, {{"T", "c", "2"}, {"U", "a", "v"}}},
        {"[S]\r\na=1\rb=2\r\n", {"S"}, {"a", "b"}, {}},
        {"a=0\r\n[S\r\na=1\r\n[T] junk\r\nb=2\r\n[x]y]z\r\nc=3\r\n", {"S", "T", "x]y", "x"}, {"a", "b", "c", "[S"},
         {{"S", "a", "1"}}},
        {"[S]\r\na=42\r\nb=-7\r\nc=+3\r\nd=12abc\r\ne=abc\r\nf=4294967297\r\ng=\" 8\"\r\nh=\r\ni=-\r\n", {"S"},
         {"a", "b", "c", "d", "e", "f", "g", "h", "i"}, {{"S", "a", "42"}}},
        {"[S\0x]\r\na\0y=1\r\nb=2\0z\r\nc=\x01\x02x\r\n"s, {"S"}, {"a", "b", "c"}, {}},
        {"[S]\r\na\x81\x40=1\r\n\x82\x60=2\r\n\x83\x9F=3\r\nb=\x81\x40v\x81\x40\r\n", {"S"},
         {"a", "a\x81\x40", "\x82\x60", "\x82\x81", "\x83\x9F", "\x83\xBF", "b"}, {}},
        {"", {"S"}, {"a"}, {{"S", "a", "1"}}},
    };
    for (const Tricky& tricky : files) Compare(tricky, {kMarks[0], kMarks[1], kMarks[2]});
}

// Files from an alphabet both readers must agree on (see the top of this file): ASCII
// letters, digits, caseless two-byte characters (several with a second byte of '[', ']',
// '\', 'A' or 'a'), half-width katakana, blanks, marks and every kind of line break.
class RandomFiles {
public:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    std::string From(std::string_view set) { return std::string(1, set[static_cast<std::size_t>(Below(static_cast<int>(set.size())))]); }
    std::string Pick(const Names& names) { return names[static_cast<std::size_t>(Below(static_cast<int>(names.size())))]; }
    std::string Blank() { return Below(3) ? "" : From(" \t\v\f\x1A"); }
    std::string Char()
    {
        static const char* const kChars[] = {"\x83\x41", "\x83\x61", "\x83\x5B", "\x83\x5D", "\x83\x5C", "\x95\x5C",
                                             "\x83\x7E", "\x82\xA0", "\x9F\xFC", "\xE0\xFC", "\x81\x5B", "\x8B\xE6"};
        const int kind = Below(10);
        return kind < 5 ? From("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ") : kind < 7 ? From("0123456789")
               : kind < 9 ? kChars[Below(12)] : From("\xA1\xB1\xC4\xD9\xDF\xCC\xA7");
    }
    std::string Name() { return Below(4) ? Char() + Name() : Char(); }
    // ASCII case flipped at random (never a second byte's), blanks around it at times.
    std::string Respelled(std::string name)
    {
        for (std::size_t i = 0; i < name.size(); ++i) {
            if (static_cast<unsigned char>(name[i]) >= 0x80) i += name[i] >= '\xA1' && name[i] <= '\xDF' ? 0 : 1;
            else if ((name[i] | 0x20) >= 'a' && (name[i] | 0x20) <= 'z' && Below(2)) name[i] ^= 0x20;
        }
        return Below(4) ? name : " " + name + "\t";
    }
    // A number, or free text (a line break in it only before a letter, so never a header), quoted at times.
    std::string Value(bool breaks)
    {
        if (!Below(5)) return std::string(Below(3) ? "" : "-").append(std::to_string(random_() >> Below(32))).append(From("0a"));
        std::string text;
        for (int length = Below(10) ? Below(20) + 1 : 250 + Below(200); static_cast<int>(text.size()) < length;) {
            const int kind = Below(100);
            text += kind < 55 ? Char() : kind < 75 ? From("=[];\"'") : kind < 97 || !breaks ? Blank() : From("\r\n") + "a";
        }
        const std::string quote = From("\"'\"-----");
        return quote == "-" ? text : std::string(quote).append(text).append(Below(5) ? quote : "'");
    }
    Tricky File()
    {
        Tricky file{"", {}, {}, {}};
        for (int n = 0; n < 3; ++n) file.sections.push_back(Name().append(Below(12) ? "" : "]z"));
        for (int n = 0; n < 5; ++n) file.keys.push_back(Name());
        const int style = Below(4);  // CR LF, LF, CR alone, or a mix
        for (int n = Below(28) + 3; n > 0; --n) {
            const int kind = file.text->empty() ? 10 : Below(100);
            const auto add = [&](auto... parts) { (*file.text += ... += parts); };
            if (kind < 6) add(Blank());
            else if (kind < 20) add(Blank(), "[", Blank(), Respelled(Pick(file.sections)), Blank(), "]", Below(5) ? "" : Value(false));
            else if (kind < 80) add(Blank(), Respelled(Pick(file.keys)), Blank(), "=", Blank(), Value(true), Blank());
            else add(kind < 86 ? "" : ";", kind < 86 ? Respelled(Pick(file.keys)) : Value(true));
            const int lineBreak = style == 3 ? Below(3) : style;
            add(lineBreak == 0 ? "\r\n" : lineBreak == 1 ? "\n" : "\r");
        }
        for (auto* names : {&file.sections, &file.keys})
            for (auto& name : *names) name = Respelled(name);
        const std::array<std::string, 3> write = {Pick(file.sections), Pick(file.keys), Value(false)};
        if (CanWrite(write[0], write[1], write[2])) file.writes.push_back(write);
        return file;
    }

private:
    std::mt19937 random_{0x57A0};  // fixed start value: the same files every run
};

TEST(IniOracle, GeneratedFilesReadAndWriteTheSame)
{
    constexpr int kFiles = 40;
    RandomFiles random;
    int found = 0, writes = 0;
    for (int n = 0; n < kFiles && !HasFailure(); ++n) {
        const Tricky file = random.File();
        found += Compare(file, {kMarks[n % 4 != 3 ? 0 : 1 + n / 4 % 2]});  // one in four UTF-16
        writes += static_cast<int>(file.writes.size());
    }
    EXPECT_GT(found, kFiles * 2);  // the files really hold what is looked up
    EXPECT_GT(writes, kFiles * 8 / 10);
}

}  // namespace
}  // namespace wavorin::ini
