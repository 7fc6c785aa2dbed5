#include "tests/windows/ini/RandomIniFile.h"

#include <array>
#include <string_view>

namespace wavorin::ini::oracle {

namespace {

constexpr std::array<std::string_view, 16> kTwoByteChars = {
    "\x83\x41", "\x83\x61", "\x83\x5B", "\x83\x5D", "\x83\x5C", "\x95\x5C", "\x83\x7E", "\x83\x80",
    "\x83\x40", "\x82\xA0", "\x88\x9F", "\x9F\xFC", "\xE0\xFC", "\xEA\xA4", "\x81\x5B", "\x8B\xE6"};
constexpr std::string_view kHalfWidthKana = "\xA1\xB1\xC4\xD9\xDF\xCC\xA7";
constexpr std::string_view kLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view kDigits = "0123456789";
constexpr std::string_view kBlanks = " \t\v\f\x1A";
constexpr std::string_view kMarks = "=[];\"'";

int Below(std::mt19937& random, int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); }
bool Chance(std::mt19937& random, int percent) { return Below(random, 100) < percent; }

char PickFrom(std::mt19937& random, std::string_view set) { return set[static_cast<std::size_t>(Below(random, static_cast<int>(set.size())))]; }

// One character of a name: mostly letters, digits and Japanese.
void AddNameChar(std::string& out, std::mt19937& random)
{
    const int kind = Below(random, 100);
    if (kind < 45) out += PickFrom(random, kLetters);
    else if (kind < 60) out += PickFrom(random, kDigits);
    else if (kind < 82) out += kTwoByteChars[static_cast<std::size_t>(Below(random, kTwoByteChars.size()))];
    else if (kind < 94) out += PickFrom(random, kHalfWidthKana);
    else out += PickFrom(random, " ;\"'[");
}

// One character of free text: anything of the alphabet, line breaks rarely. A line a
// break starts begins with a letter, so it is never a header (a blank "[ ]" one would
// differ by design).
void AddTextChar(std::string& out, std::mt19937& random, bool breaks)
{
    const int kind = Below(random, 100);
    if (kind < 55) AddNameChar(out, random);
    else if (kind < 75) out += PickFrom(random, kMarks);
    else if (kind < 97 || !breaks) out += PickFrom(random, kBlanks);
    else out.append(1, PickFrom(random, "\r\n")).append(1, PickFrom(random, kLetters));
}

std::string Blanks(std::mt19937& random)
{
    std::string out;
    for (int n = Chance(random, 60) ? 0 : Below(random, 3) + 1; n > 0; --n) out += PickFrom(random, kBlanks);
    return out;
}

std::string Name(std::mt19937& random, bool mayHoldCloseBracket)
{
    std::string name;
    AddNameChar(name, random);
    if (name.front() == ' ' || name.front() == '[') name.front() = 'N';
    for (int n = Below(random, 6); n > 0; --n) AddNameChar(name, random);
    if (name.back() == ' ') name.back() = 'E';
    if (mayHoldCloseBracket && Chance(random, 8)) {
        name += ']';
        name += PickFrom(random, kLetters);
    }
    return name;
}

std::string Number(std::mt19937& random)
{
    std::string out;
    if (Chance(random, 30)) out += Chance(random, 50) ? '-' : '+';
    for (int n = Below(random, 12) + 1; n > 0; --n) out += PickFrom(random, kDigits);
    if (Chance(random, 30)) out += PickFrom(random, kLetters);
    return out;
}

std::string Value(std::mt19937& random, bool breaks)
{
    if (Chance(random, 20)) return Number(random);
    std::string out;
    const int length = Chance(random, 10) ? 250 + Below(random, 200) : 1 + Below(random, 20);
    while (static_cast<int>(out.size()) < length) AddTextChar(out, random, breaks);
    const int quoting = Below(random, 100);
    if (quoting < 15) out = '"' + out + '"';
    else if (quoting < 22) out = '\'' + out + '\'';
    else if (quoting < 26) out = '"' + out + '\'';
    else if (quoting < 28) out.assign(1, '"');
    return out;
}

std::string Pick(const std::vector<std::string>& names, std::mt19937& random)
{
    return names[static_cast<std::size_t>(Below(random, static_cast<int>(names.size())))];
}

std::string Line(const RandomIniFile& file, std::mt19937& random, int kind)
{
    if (kind < 6) return Blanks(random);
    if (kind < 20) {
        std::string junk;
        if (Chance(random, 20)) for (int n = Below(random, 6); n > 0; --n) AddTextChar(junk, random, false);
        return Blanks(random) + "[" + Blanks(random) + Respelled(Pick(file.sections, random), random) + Blanks(random) +
               "]" + junk;
    }
    if (kind < 80)
        return Blanks(random) + Respelled(Pick(file.keys, random), random) + Blanks(random) + "=" + Blanks(random) +
               Value(random, true) + Blanks(random);
    if (kind < 86) return Blanks(random) + Respelled(Pick(file.keys, random), random) + Blanks(random);
    std::string junk = kind < 93 ? ";" : std::string(1, PickFrom(random, kLetters));
    for (int n = Below(random, 30); n > 0; --n) AddTextChar(junk, random, true);
    return junk;
}

}  // namespace

std::string Respelled(const std::string& name, std::mt19937& random)
{
    std::string out = name;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto byte = static_cast<unsigned char>(out[i]);
        if ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)) {
            ++i;  // never touch the second byte of a character
        } else if (((byte | 0x20) >= 'a' && (byte | 0x20) <= 'z') && Chance(random, 50)) {
            out[i] = static_cast<char>(byte ^ 0x20);
        }
    }
    return Chance(random, 25) ? " " + out + "\t" : out;
}

std::string RandomValue(std::mt19937& random) { return Value(random, false); }

RandomIniFile MakeRandomIniFile(std::mt19937& random)
{
    RandomIniFile file;
    for (int n = 0; n < 3; ++n) file.sections.push_back(Name(random, true));
    for (int n = 0; n < 5; ++n) file.keys.push_back(Name(random, false));

    const int style = Below(random, 4);  // CR LF, LF, CR alone, or a mix
    const int lines = Below(random, 28) + 3;
    for (int n = lines; n > 0; --n) {
        // Most files open with a header: keys before any section are never found.
        file.text += Line(file, random, n == lines && Chance(random, 85) ? 10 : Below(random, 100));
        const int lineBreak = style == 3 ? Below(random, 3) : style;
        if (n > 1 || Chance(random, 80)) file.text += lineBreak == 0 ? "\r\n" : lineBreak == 1 ? "\n" : "\r";
    }
    return file;
}

}  // namespace wavorin::ini::oracle
