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

#include <algorithm>
#include <cctype>
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

std::wstring FromCp932(std::string_view bytes)
{
    std::wstring text(bytes.size(), L'\0');
    text.resize(static_cast<std::size_t>(
        MultiByteToWideChar(932, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(), static_cast<int>(text.size()))));
    return text;
}

// A CP932 text as Notepad saves it: as it is, or as UTF-16 in either byte order after its mark.
enum class Saved { Ansi, Utf16LE, Utf16BE };
std::string SavedAs(Saved how, std::string_view cp932)
{
    if (how == Saved::Ansi) return std::string(cp932);
    std::string bytes = how == Saved::Utf16BE ? "\xFE\xFF" : "\xFF\xFE";
    for (const wchar_t unit : FromCp932(cp932)) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes.append({how == Saved::Utf16BE ? high : low, how == Saved::Utf16BE ? low : high});
    }
    return bytes;
}

std::string BytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// Every file gets a name never used before, so the platform's profile cache cannot answer
// from an older file of the same name.
class Scratch {
public:
    Scratch() { fs::create_directories(path_); }
    ~Scratch()
    {
        WritePrivateProfileStringA(nullptr, nullptr, nullptr, nullptr);  // let go of cached files
        fs::remove_all(path_);
    }
    fs::path NewName() { return path_ / ("case" + std::to_string(++files_) + ".ini"); }
    fs::path NewFile(std::string_view bytes)
    {
        const fs::path file = NewName();
        std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return file;
    }

private:
    const fs::path path_ = fs::temp_directory_path() / ("wavorin_ini_oracle_" + std::to_string(GetCurrentProcessId()));
    int files_ = 0;
};

// The buffer is filled with '#' first, so bytes the platform leaves unwritten show up.
std::string PlatformString(const fs::path& file, const std::string& section, const std::string& key)
{
    char buffer[256];
    std::fill(std::begin(buffer), std::end(buffer), '#');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer, 256, file.string().c_str());
    return std::string(buffer, std::min<DWORD>(length, 255));
}

std::wstring PlatformWide(const fs::path& file, const std::string& section, const std::string& key)
{
    std::vector<wchar_t> buffer(4096, L'#');
    const DWORD length = GetPrivateProfileStringW(FromCp932(section).c_str(), FromCp932(key).c_str(), L"",
                                                  buffer.data(), 4096, file.c_str());
    return std::wstring(buffer.data(), std::min<DWORD>(length, 4095));
}

testing::AssertionResult SameValue(const std::string& ours, const std::string& platform)
{
    if (ours == platform || (ours.size() >= 254 && platform.size() >= 254 && ours.compare(0, 252, platform, 0, 252) == 0))
        return testing::AssertionSuccess();
    return testing::AssertionFailure() << "ours " << testing::PrintToString(ours) << ", platform "
                                       << testing::PrintToString(platform);
}

struct Ask {
    std::string section, key;
};
struct Write {
    std::string section, key, value;
};

std::vector<Ask> AllPairs(const std::vector<std::string>& sections, const std::vector<std::string>& keys)
{
    std::vector<Ask> pairs;
    for (const auto& section : sections)
        for (const auto& key : keys) pairs.push_back({section, key});
    return pairs;
}

// Both readers agree on every lookup; returns how many found a value.
int ExpectSameReads(const fs::path& file, const std::vector<Ask>& asks)
{
    static const std::regex kPrefixedNumber("^[\\x01- ]*[+-]?0[xXoObB]");
    int found = 0;
    for (const Ask& ask : asks) {
        SCOPED_TRACE(testing::PrintToString(ask.section) + " / " + testing::PrintToString(ask.key));
        const std::string ours = ReadString(file, ask.section, ask.key);
        EXPECT_TRUE(SameValue(ours, PlatformString(file, ask.section, ask.key)));
        found += ours.empty() ? 0 : 1;
        if (std::regex_search(ours, kPrefixedNumber)) continue;
        EXPECT_EQ(ReadInt(file, ask.section, ask.key, -99),
                  static_cast<int>(GetPrivateProfileIntA(ask.section.c_str(), ask.key.c_str(), -99, file.string().c_str())));
    }
    return found;
}

// The same writes with WriteString into ours and with WritePrivateProfileStringA into
// theirs. Wine rewrites the whole file in its own layout, so the bytes are not compared:
// every reader reads the same from both files.
void ExpectSameWrites(const fs::path& ours, const fs::path& theirs, const std::vector<Write>& writes,
                      std::vector<Ask> asks)
{
    for (const Write& write : writes) {
        ASSERT_TRUE(WriteString(ours, write.section, write.key, write.value));
        ASSERT_TRUE(WritePrivateProfileStringA(write.section.c_str(), write.key.c_str(), write.value.c_str(),
                                               theirs.string().c_str()));
        asks.push_back({write.section, write.key});
    }
    for (const Ask& ask : asks) {
        SCOPED_TRACE(testing::PrintToString(ask.section) + " / " + testing::PrintToString(ask.key));
        const std::string expected = PlatformString(theirs, ask.section, ask.key);
        EXPECT_TRUE(SameValue(ReadString(ours, ask.section, ask.key), expected)) << "our file, our reader";
        EXPECT_TRUE(SameValue(PlatformString(ours, ask.section, ask.key), expected)) << "our file, platform reader";
        EXPECT_TRUE(SameValue(ReadString(theirs, ask.section, ask.key), expected)) << "platform file, our reader";
        EXPECT_EQ(PlatformWide(ours, ask.section, ask.key), PlatformWide(theirs, ask.section, ask.key)) << "wide reader";
    }
}

const char* NameOf(Saved how) { return how == Saved::Ansi ? "ANSI" : how == Saved::Utf16LE ? "UTF-16LE" : "UTF-16BE"; }

const std::string x300(300, 'x');
const std::string kOwnFile = "; Wavorin\r\n[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\nBGM\xD8\xCB\xDF\xB0\xC4=1\r\n"
                             "BGM\xCC\xA7\xB2\xD9=C:\\a.mp3\r\nWidth=1920\r\n; end\r\n\r\n[Other]\r\nk=1\r\n";
const std::vector<std::string> kOwnSections = {kSection, "section", "Other"};
const std::vector<std::string> kOwnKeys = {kKeyBgmKind, kKeyBgmRepeat, kKeyBgmFile, kKeyWidth, "WIDTH", kKeyHeight, "k", "; end"};
const std::string kTwoByte = "[\x83\x5B\x83\x5D]\r\n\x83\x41=1\r\n\x83\x61=2\r\n\x95\x5C\x83\x5C=3\r\n[\x83\x5D]\r\nk=4\r\n";
const std::vector<std::string> kTwoByteSections = {"\x83\x5B\x83\x5D", "\x83\x5D", "\x83\x5B"};
const std::vector<std::string> kTwoByteKeys = {"\x83\x41", "\x83\x61", "\x95\x5C\x83\x5C", "k"};

struct TrickyFile {
    std::string text;
    std::vector<std::string> sections, keys;
};

TEST(IniOracle, TrickyFilesReadTheSame)
{
    ASSERT_EQ(GetACP(), 932u) << "run under a Japanese locale (LANG=ja_JP.UTF-8)";
    const TrickyFile files[] = {
        {kOwnFile, kOwnSections, kOwnKeys},
        {kTwoByte, kTwoByteSections, kTwoByteKeys},
        {"; top\r\n\r\n[S]\r\n; note=1\r\na=1\r\n  \r\nb = 2 \r\n", {"S"}, {"a", "b", "; note", ";"}},
        {"[S]\r\na=1\r\na=2\r\n[T]\r\nb=3\r\n[s]\r\nb=4\r\na=5\r\n", {"S", "s", "T"}, {"a", "b"}},
        {"[S]\r\na\r\na=1\r\n b \r\nb=2\r\n", {"S"}, {"a", "b"}},
        {" \t[ S\t]  x\r\n \t a \t= \t1 \t\r\nb\v=\f2\x1A\r\n", {"S", " S "}, {"a", "b", " a\t"}},
        {"[S]\r\na=\"1\"\r\nb='2'\r\nc=\"\r\nd=\"3'\r\ne=\"\"\r\nf=' x '\r\ng=\"\"4\"\"\r\n", {"S"},
         {"a", "b", "c", "d", "e", "f", "g"}},
        {"[S]\r\na=" + x300 + "\r\nb=\"" + x300 + "\"\r\nc=" + x300.substr(0, 255) + "\r\nd=\"" + x300.substr(0, 253) +
             "\"\r\ne=" + x300.substr(0, 253) + "\x82\xA0\r\nf=" + std::string(300, '\x82') + "\r\n",
         {"S"}, {"a", "b", "c", "d", "e", "f"}},
        {"[S]\na=1\n\n[T]\nb=2\n", {"S", "T"}, {"a", "b"}},
        {"[S]\ra=1\r\r[T]\rb=2", {"S", "T"}, {"a", "b"}},
        {"[S]\r\na=1\rb=2\r\n", {"S"}, {"a", "b"}},
        {"a=0\r\n[S\r\na=1\r\n[T] junk\r\nb=2\r\n[x]y]z\r\nc=3\r\n", {"S", "T", "x]y", "x"}, {"a", "b", "c", "[S"}},
        {"[S]\r\na=42\r\nb=-7\r\nc=+3\r\nd=12abc\r\ne=abc\r\nf=4294967297\r\ng=\" 8\"\r\nh=\r\ni=-\r\n", {"S"},
         {"a", "b", "c", "d", "e", "f", "g", "h", "i"}},
        {"[S\0x]\r\na\0y=1\r\nb=2\0z\r\nc=\x01\x02x\r\n"s, {"S"}, {"a", "b", "c"}},
        {"[S]\r\na\x81\x40=1\r\n\x82\x60=2\r\n\x83\x9F=3\r\nb=\x81\x40v\x81\x40\r\n", {"S"},
         {"a", "a\x81\x40", "\x82\x60", "\x82\x81", "\x83\x9F", "\x83\xBF", "b"}},
        {"", {"S"}, {"a"}},
    };
    Scratch scratch;
    for (const Saved how : {Saved::Ansi, Saved::Utf16LE, Saved::Utf16BE}) {
        for (const TrickyFile& tricky : files) {
            SCOPED_TRACE(testing::PrintToString(tricky.text) + ", " + NameOf(how));
            ExpectSameReads(scratch.NewFile(SavedAs(how, tricky.text)), AllPairs(tricky.sections, tricky.keys));
        }
    }
}

struct TrickyWrite {
    std::optional<std::string> text;  // none: no file yet
    std::vector<Write> writes;
    std::vector<std::string> sections, keys;
};

TEST(IniOracle, TrickyWritesReadTheSame)
{
    const TrickyWrite writes[] = {
        {std::nullopt, {{kSection, kKeyWidth, "1024"}}, {kSection}, {kKeyWidth, kKeyHeight}},
        {kOwnFile, {{kSection, kKeyBgmFile, "D:\\\x89\xB9\x8A\x79\\\x8B\xC8.mp3"}, {kSection, kKeyHeight, "1080"}},
         kOwnSections, kOwnKeys},
        {kTwoByte, {{"\x83\x5D", "\x83\x41", "\x95\x5C"}}, kTwoByteSections, kTwoByteKeys},
        {"; top\r\n[S]\r\n  a = old \r\nb=2\r\n", {{"S", "a", "new"}}, {"S"}, {"a", "b"}},
        {"[S]\r\na=1\r\n\r\n\r\n[T]\r\nb=2\r\n", {{"S", "c", "3"}}, {"S", "T"}, {"a", "b", "c"}},
        {"[S]\r\na=1", {{"T", "k", "v"}}, {"S", "T"}, {"a", "k"}},
        {"[S]\r\na=1\r\n[s]\r\nb=2\r\n", {{"S", "b", "9"}}, {"S"}, {"a", "b"}},
        {"[S]\r\na\r\na=1\r\n", {{"S", "a", "5"}}, {"S"}, {"a"}},
        {"[S]\na=1\n", {{"S", "b", "2"}}, {"S"}, {"a", "b"}},
        {"[S]\ra=1\r", {{"S", "b", "2"}}, {"S"}, {"a", "b"}},
        {"[S]\r\na=1\r\n", {{"S", "a", "  \"q\"  "}, {" S ", " b\t", ""}, {"S", "c", x300}}, {"S"}, {"a", "b", "c"}},
        {"[S]\r\na=1\r\n", {{"S", "a", "1"}}, {"S"}, {"a"}},
        {"a=0\r\n", {{"S", "a", "1"}}, {"S"}, {"a"}},
    };
    Scratch scratch;
    for (const TrickyWrite& tricky : writes) {
        std::string ansiResult;
        for (const Saved how : {Saved::Ansi, Saved::Utf16LE, Saved::Utf16BE}) {
            if (!tricky.text && how != Saved::Ansi) continue;  // a new file is ANSI
            SCOPED_TRACE(testing::PrintToString(tricky.text.value_or("(new)")) + ", " + NameOf(how));
            const auto ours = tricky.text ? scratch.NewFile(SavedAs(how, *tricky.text)) : scratch.NewName();
            const auto theirs = tricky.text ? scratch.NewFile(SavedAs(how, *tricky.text)) : scratch.NewName();
            ExpectSameWrites(ours, theirs, tricky.writes, AllPairs(tricky.sections, tricky.keys));
            // A UTF-16 file changes exactly as the same file saved as ANSI does: its mark,
            // its notes and every other line kept.
            if (how == Saved::Ansi) ansiResult = BytesOf(ours);
            else EXPECT_EQ(BytesOf(ours), SavedAs(how, ansiResult));
        }
    }
}

// Random files from an alphabet both readers must agree on (see the top of this file).
class RandomFiles {
public:
    int Below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    char From(std::string_view set) { return set[static_cast<std::size_t>(Below(static_cast<int>(set.size())))]; }
    std::string Pick(const std::vector<std::string>& names) { return names[static_cast<std::size_t>(Below(static_cast<int>(names.size())))]; }

    // ASCII case flipped at random (never a second byte), blanks around it at times.
    std::string Respelled(std::string name)
    {
        for (std::size_t i = 0; i < name.size(); ++i) {
            if (static_cast<unsigned char>(name[i]) >= 0x80) i += name[i] >= '\xA1' && name[i] <= '\xDF' ? 0 : 1;
            else if (std::isalpha(static_cast<unsigned char>(name[i])) && Below(2)) name[i] ^= 0x20;
        }
        return Below(4) ? name : " " + name + "\t";
    }
    std::string Blanks() { return Below(3) ? "" : std::string(1, From(" \t\v\f\x1A")); }
    // Letters, digits, caseless two-byte characters (some with a second byte of '[', ']',
    // '\', 'A' or 'a') and half-width katakana.
    std::string NameChar()
    {
        static const char* const kTwoByte[] = {"\x83\x41", "\x83\x61", "\x83\x5B", "\x83\x5D", "\x83\x5C", "\x95\x5C",
                                               "\x83\x7E", "\x82\xA0", "\x9F\xFC", "\xE0\xFC", "\x81\x5B", "\x8B\xE6"};
        const int kind = Below(10);
        return kind < 5 ? std::string(1, From("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"))
               : kind < 7 ? std::string(1, From("0123456789"))
               : kind < 9 ? kTwoByte[Below(12)] : std::string(1, From("\xA1\xB1\xC4\xD9\xDF\xCC\xA7"));
    }
    std::string Name(int bracketPercent)
    {
        std::string name;
        for (int n = Below(6) + 1; n > 0; --n) name += NameChar();
        return Below(100) < bracketPercent ? name + "]" + NameChar() : name;
    }
    // Free text: names, marks and blanks; a line break only before a letter, so never a header.
    std::string Value(bool breaks)
    {
        if (!Below(5)) return (Below(3) ? "" : "-") + std::to_string(random_() >> Below(32)) + (Below(3) ? "" : NameChar());
        std::string out;
        for (int length = Below(10) ? Below(20) + 1 : 250 + Below(200); static_cast<int>(out.size()) < length;) {
            const int kind = Below(100);
            out += kind < 55 ? NameChar() : kind < 75 ? std::string(1, From("=[];\"'")) : kind < 97 || !breaks
                   ? Blanks() : std::string(1, From("\r\n")) + "a";
        }
        const char quote = From("\"'\"-----");
        return quote == '-' ? out : quote + out + (Below(5) ? quote : '\'');
    }
    void Make(std::string& text, std::vector<std::string>& sections, std::vector<std::string>& keys)
    {
        for (int n = 0; n < 3; ++n) sections.push_back(Name(8));
        for (int n = 0; n < 5; ++n) keys.push_back(Name(0));
        const int style = Below(4);  // CR LF, LF, CR alone, or a mix
        for (int n = Below(28) + 3; n > 0; --n) {
            const int kind = text.empty() ? 10 : Below(100);
            text += kind < 6 ? Blanks()
                    : kind < 20 ? Blanks() + "[" + Blanks() + Respelled(Pick(sections)) + Blanks() + "]" + (Below(5) ? "" : Value(false))
                    : kind < 80 ? Blanks() + Respelled(Pick(keys)) + Blanks() + "=" + Blanks() + Value(true) + Blanks()
                    : kind < 86 ? Respelled(Pick(keys)) : ";" + Value(true);
            const int lineBreak = style == 3 ? Below(3) : style;
            text += lineBreak == 0 ? "\r\n" : lineBreak == 1 ? "\n" : "\r";
        }
    }

private:
    std::mt19937 random_{0x57A0};  // fixed start value: the same files every run
};

TEST(IniOracle, GeneratedFilesReadAndWriteTheSame)
{
    constexpr int kFiles = 40;
    Scratch scratch;
    RandomFiles random;
    int found = 0, writes = 0;
    for (int n = 0; n < kFiles && !HasFailure(); ++n) {
        std::string text;
        std::vector<std::string> sections, keys;
        random.Make(text, sections, keys);
        const Saved how = n % 4 != 3 ? Saved::Ansi : n % 8 == 3 ? Saved::Utf16LE : Saved::Utf16BE;
        const std::string saved = SavedAs(how, text);
        SCOPED_TRACE(testing::Message() << "file " << n << ", " << NameOf(how) << ": " << testing::PrintToString(text));
        for (auto& name : sections) name = random.Respelled(name);
        for (auto& name : keys) name = random.Respelled(name);
        const auto asks = AllPairs(sections, keys);
        found += ExpectSameReads(scratch.NewFile(saved), asks);
        const Write write{random.Pick(sections), random.Pick(keys), random.Value(false)};
        if (!CanWrite(write.section, write.key, write.value)) continue;
        ExpectSameWrites(scratch.NewFile(saved), scratch.NewFile(saved), {write}, asks);
        ++writes;
    }
    EXPECT_GT(found, kFiles * 3);  // the files really hold what is looked up
    EXPECT_GT(writes, kFiles * 8 / 10);
}

}  // namespace
}  // namespace wavorin::ini
