#include "common/ini/IniFile.h"

#include <exception>
#include <optional>

#include "common/ini/CodePages.h"
#include "common/ini/Cp932.h"
#include "common/ini/FileBytes.h"
#include "common/ini/FileEncoding.h"
#include "common/ini/IniNumber.h"
#include "common/ini/IniText.h"

namespace wavorin::ini {

namespace {

// A lookup in a file's bytes, whichever way they hold the text.
std::string ValueIn(std::string_view file, std::string_view section, std::string_view key)
{
    const FileEncoding encoding = EncodingOf(file);
    if (encoding == FileEncoding::Ansi) return GetString(file, section, key);
    const auto wideSection = NameAsUtf16(section);
    const auto wideKey = NameAsUtf16(key);
    if (!wideSection || !wideKey) return {};
    const auto value = ValueAsAnsi(GetString(Utf16TextOf(file, encoding), *wideSection, *wideKey));
    return value ? std::string(cp932::CutAtCharBoundary(*value, kMaxValueBytes)) : std::string();
}

// The file's bytes with the key set, in the encoding the file already has.
std::optional<std::string> UpdatedFile(std::string_view file, std::string_view section, std::string_view key,
                                       std::string_view value)
{
    const FileEncoding encoding = EncodingOf(file);
    if (encoding == FileEncoding::Ansi) return SetString(file, section, key, value);
    const auto wideSection = NameAsUtf16(section);
    const auto wideKey = NameAsUtf16(key);
    const auto wideValue = ValueAsUtf16(value);
    if (!wideSection || !wideKey || !wideValue) return std::nullopt;
    const auto updated = SetString(Utf16TextOf(file, encoding), *wideSection, *wideKey, *wideValue);
    if (!updated) return std::nullopt;
    return Utf16FileOf(*updated, encoding);
}

}  // namespace

// Running out of memory on a huge file must not take the program down: these entry points
// turn every exception into the "could not" answer.

std::string ReadString(const std::filesystem::path& file, std::string_view section, std::string_view key)
{
    try {
        AdoptStrandedReplacement(file);
        const FileContents contents = ReadWholeFile(file, kMaxFileBytes);
        return ValueIn(contents.bytes, section, key);
    } catch (const std::exception&) {
        return {};
    }
}

int ReadInt(const std::filesystem::path& file, std::string_view section, std::string_view key, int defaultValue)
{
    const std::string value = ReadString(file, section, key);
    return value.empty() ? defaultValue : LeadingInteger(value);
}

int ReadDimension(const std::filesystem::path& file, std::string_view section, std::string_view key, int fallback)
{
    const int value = ReadInt(file, section, key, fallback);
    return value == 0 ? fallback : value;
}

bool WriteString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view value)
{
    try {
        AdoptStrandedReplacement(file);
        const FileContents current = ReadWholeFile(file, kMaxFileBytes);
        if (current.state == FileState::Unreadable) return false;  // never clobber what we could not read
        const auto updated = UpdatedFile(current.bytes, section, key, value);
        if (!updated) return false;
        if (current.state == FileState::Read && *updated == current.bytes) return true;
        return ReplaceFileAtomically(file, *updated);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace wavorin::ini
