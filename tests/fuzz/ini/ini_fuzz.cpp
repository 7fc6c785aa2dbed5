// Fuzzes the settings text reader and writer. Input layout: section NUL key NUL value NUL
// text (missing fields are empty), so hand-made corpus files stay readable. The text is
// checked twice: as CP932 bytes, and as the UTF-16 file a byte order mark in front of it
// would make (odd sizes and lone surrogates included), with the names and values widened
// unit for byte.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/ini/Cp932.h"
#include "common/ini/FileEncoding.h"
#include "common/ini/IniNumber.h"
#include "common/ini/IniText.h"
#include "common/ini/IniWriteRules.h"

namespace {

using namespace wavorin::ini;

template <typename Unit>
using Text = std::basic_string<Unit>;
template <typename Unit>
using View = std::basic_string_view<Unit>;

void Require(bool holds, const char* what)
{
    if (holds) return;
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

std::string_view TakeField(std::string_view& input)
{
    const std::size_t end = input.find('\0');
    const std::string_view field = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    return field;
}

template <typename Unit>
Text<Unit> Widened(std::string_view bytes)
{
    Text<Unit> text;
    for (const char byte : bytes) text += static_cast<Unit>(static_cast<unsigned char>(byte));
    return text;
}

void CheckRead(std::string_view text, std::string_view section, std::string_view key)
{
    const std::string value = GetString(text, section, key);
    Require(value.size() <= kMaxValueBytes, "a value fits GetPrivateProfileString's 256-byte buffer");
    Require(cp932::CutAtCharBoundary(value, kMaxValueBytes) == value, "a value never ends in half a character");
    Require(GetInt(text, section, key, -7) == (value.empty() ? -7 : LeadingInteger(value)), "GetInt reads GetString");
}

void CheckRead(std::u16string_view text, std::u16string_view section, std::u16string_view key)
{
    const std::u16string value = GetString(text, section, key);
    Require(value.find(u'\0') == std::u16string::npos, "a value ends at a NUL");
    Require(value.empty() || text.find(value) != std::u16string_view::npos, "a value is a piece of the text");
}

// The units of text that the write removed: everything between the longest common
// prefix and the longest common suffix of the two texts.
template <typename Unit>
View<Unit> RemovedUnits(View<Unit> before, View<Unit> after)
{
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return before.substr(prefix, before.size() - prefix - suffix);
}

template <typename Unit>
void CheckWrite(View<Unit> text, View<Unit> section, View<Unit> key, View<Unit> value)
{
    const auto written = SetString(text, section, key, value);
    Require(written.has_value() == CanWrite(section, key, value), "SetString refuses exactly what CanWrite does");
    if (!written) return;

    const Text<Unit> alone = Widened<Unit>("[x]\nk=") + Text<Unit>(value) + Widened<Unit>("\n");
    const Text<Unit> x = Widened<Unit>("x");
    const Text<Unit> k = Widened<Unit>("k");
    Require(GetString(View<Unit>(*written), section, key) == GetString(View<Unit>(alone), View<Unit>(x), View<Unit>(k)),
            "the value reads back as it would from a file holding only it");
    Require(SetString(View<Unit>(*written), section, key, value) == written,
            "writing the same value again changes nothing");
    Require(RemovedUnits(text, View<Unit>(*written)).find_first_of(Widened<Unit>("\r\n")) == View<Unit>::npos,
            "no line of the old text is lost or split");

    const Text<Unit> otherSection = Text<Unit>(section) + x;
    const Text<Unit> otherKey = Text<Unit>(key) + x;
    Require(GetString(View<Unit>(*written), View<Unit>(otherSection), key) ==
                GetString(text, View<Unit>(otherSection), key),
            "other sections kept");
    Require(GetString(View<Unit>(*written), section, View<Unit>(otherKey)) == GetString(text, section, View<Unit>(otherKey)),
            "other keys kept");
}

void CheckUtf16File(std::string_view text, std::string_view section, std::string_view key, std::string_view value)
{
    for (const std::string_view mark : {std::string_view("\xFF\xFE"), std::string_view("\xFE\xFF")}) {
        const std::string file = std::string(mark) + std::string(text);
        const FileEncoding encoding = EncodingOf(file);
        Require(encoding != FileEncoding::Ansi, "a byte order mark makes the file UTF-16");
        const std::u16string wide = Utf16TextOf(file, encoding);
        Require(Utf16FileOf(wide, encoding) == file.substr(0, file.size() & ~std::size_t{1}),
                "a UTF-16 file is written back as it was read, but for an odd last byte");
        const std::u16string wideSection = Widened<char16_t>(section);
        const std::u16string wideKey = Widened<char16_t>(key);
        CheckRead(wide, wideSection, wideKey);
        CheckWrite<char16_t>(wide, wideSection, wideKey, Widened<char16_t>(value));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string_view section = TakeField(input);
    const std::string_view key = TakeField(input);
    const std::string_view value = TakeField(input);
    const std::string_view text = input;

    CheckRead(text, section, key);
    CheckWrite<char>(text, section, key, value);
    CheckUtf16File(text, section, key, value);
    return 0;
}
