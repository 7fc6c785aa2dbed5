// Fuzzes the settings text reader and writer. Input layout: section NUL key NUL value NUL
// text (missing fields are empty), so hand-made corpus files stay readable.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "common/ini/Cp932.h"
#include "common/ini/IniNumber.h"
#include "common/ini/IniText.h"
#include "common/ini/IniWriteRules.h"

namespace {

using namespace wavorin::ini;

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

void CheckRead(std::string_view text, std::string_view section, std::string_view key)
{
    const std::string value = GetString(text, section, key);
    Require(value.size() <= kMaxValueBytes, "a value fits GetPrivateProfileString's 256-byte buffer");
    Require(cp932::CutAtCharBoundary(value, kMaxValueBytes) == value, "a value never ends in half a character");
    Require(GetInt(text, section, key, -7) == (value.empty() ? -7 : LeadingInteger(value)), "GetInt reads GetString");
}

// The bytes of text that the write removed: everything between the longest common
// prefix and the longest common suffix of the two texts.
std::string_view RemovedBytes(std::string_view before, std::string_view after)
{
    std::size_t prefix = 0;
    while (prefix < before.size() && prefix < after.size() && before[prefix] == after[prefix]) ++prefix;
    std::size_t suffix = 0;
    while (suffix < before.size() - prefix && suffix < after.size() - prefix &&
           before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    return before.substr(prefix, before.size() - prefix - suffix);
}

void CheckWrite(std::string_view text, std::string_view section, std::string_view key, std::string_view value)
{
    const auto written = SetString(text, section, key, value);
    Require(written.has_value() == CanWrite(section, key, value), "SetString refuses exactly what CanWrite does");
    if (!written) return;

    const std::string alone = "[x]\nk=" + std::string(value) + "\n";
    Require(GetString(*written, section, key) == GetString(alone, "x", "k"),
            "the value reads back as it would from a file holding only it");
    Require(SetString(*written, section, key, value) == written, "writing the same value again changes nothing");
    Require(RemovedBytes(text, *written).find_first_of("\r\n") == std::string_view::npos,
            "no line of the old text is lost or split");

    const std::string otherSection = std::string(section) + "x";
    const std::string otherKey = std::string(key) + "x";
    Require(GetString(*written, otherSection, key) == GetString(text, otherSection, key), "other sections kept");
    Require(GetString(*written, section, otherKey) == GetString(text, section, otherKey), "other keys kept");
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
    CheckWrite(text, section, key, value);
    return 0;
}
