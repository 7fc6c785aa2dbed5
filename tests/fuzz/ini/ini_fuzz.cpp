// Fuzzes the settings text reader and writer. Input layout: section NUL key NUL value NUL
// text (missing fields are empty), so hand-made corpus files stay readable. The text is
// checked as CP932 bytes, and as the UTF-16 file a byte order mark in front of it makes
// (odd sizes and lone surrogates included), names and values widened.

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <type_traits>

#include "common/ini/FileEncoding.h"
#include "common/ini/IniText.h"

namespace {

using namespace wavorin::ini;

template <typename Unit>
using Text = std::basic_string<Unit>;

void Require(bool holds, const char* what)
{
    if (!holds) std::fprintf(stderr, "invariant broken: %s\n", what), std::abort();
}

// Bytes above 0x7F widen to units above 0xFF7F: still text of every kind.
template <typename Unit>
Text<Unit> Widened(std::string_view bytes) { return Text<Unit>(bytes.begin(), bytes.end()); }

template <typename Unit>
void Check(const Text<Unit>& text, const Text<Unit>& section, const Text<Unit>& key, const Text<Unit>& value)
{
    const Text<Unit> read = GetString(text, section, key);
    Require(read.find(Unit(0)) == Text<Unit>::npos, "a value ends at a NUL");
    const auto written = SetString(text, section, key, value);
    if (!written) return;
    const Text<Unit>& after = *written;
    Require(GetString(after, section, key) ==
                GetString(Widened<Unit>("[x]\nk=") + value + Widened<Unit>("\n"), Widened<Unit>("x"), Widened<Unit>("k")),
            "the value reads back as from a file holding only it");
    Require(SetString(after, section, key, value) == written, "writing the same value again changes nothing");
    // Whatever text surrounds it, a value of ASCII letters and digits alone reads back as written.
    Text<Unit> plain;
    for (const Unit unit : value) {
        const auto code = static_cast<std::make_unsigned_t<Unit>>(unit);
        if (code < 0x80 && std::isalnum(code) && plain.size() < kMaxValueBytes) plain += unit;
    }
    if (const auto withPlain = SetString(text, section, key, plain)) {
        Require(GetString(*withPlain, section, key) == plain, "a value of letters and digits reads back as written");
    }
    // What the write removed lies between the common prefix and suffix: never a line break.
    std::size_t prefix = 0, suffix = 0;
    while (prefix < text.size() && prefix < after.size() && text[prefix] == after[prefix]) ++prefix;
    while (suffix < text.size() - prefix && suffix < after.size() - prefix &&
           text[text.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    Require(text.substr(prefix, text.size() - prefix - suffix).find_first_of(Widened<Unit>("\r\n")) == Text<Unit>::npos,
            "no line of the old text is lost or split");
    const Text<Unit> otherSection = section + Unit('x'), otherKey = key + Unit('x');
    Require(GetString(after, otherSection, key) == GetString(text, otherSection, key) &&
                GetString(after, section, otherKey) == GetString(text, section, otherKey),
            "other sections and keys kept");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string section, key, value;
    for (std::string* field : {&section, &key, &value}) {
        *field = input.substr(0, input.find('\0'));
        input = input.size() > field->size() ? input.substr(field->size() + 1) : std::string_view();
    }
    Check<char>(std::string(input), section, key, value);
    for (const std::string_view mark : {"\xFF\xFE", "\xFE\xFF"}) {
        const std::string file = std::string(mark) + std::string(input);
        const FileEncoding encoding = EncodingOf(file);
        Require(encoding != FileEncoding::Ansi, "a byte order mark makes the file UTF-16");
        const std::u16string wide = Utf16TextOf(file, encoding);
        Require(Utf16FileOf(wide, encoding) == file.substr(0, file.size() & ~std::size_t{1}),
                "a UTF-16 file is written back as it was read, but for an odd last byte");
        Check(wide, Widened<char16_t>(section), Widened<char16_t>(key), Widened<char16_t>(value));
    }
    return 0;
}
