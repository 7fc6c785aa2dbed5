#include "common/ini/IniFile.h"

#include <exception>

#include "common/ini/FileBytes.h"
#include "common/ini/IniText.h"

namespace wavorin::ini {

// Running out of memory on a huge file must not take the program down: these entry points
// turn every exception into the "could not" answer.

std::string ReadString(const std::filesystem::path& file, std::string_view section, std::string_view key)
{
    try {
        const FileContents contents = ReadWholeFile(file, kMaxFileBytes);
        return GetString(contents.bytes, section, key);
    } catch (const std::exception&) {
        return {};
    }
}

int ReadInt(const std::filesystem::path& file, std::string_view section, std::string_view key, int defaultValue)
{
    try {
        const FileContents contents = ReadWholeFile(file, kMaxFileBytes);
        return GetInt(contents.bytes, section, key, defaultValue);
    } catch (const std::exception&) {
        return defaultValue;
    }
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
        const FileContents current = ReadWholeFile(file, kMaxFileBytes);
        if (current.state == FileState::Unreadable) return false;  // never clobber what we could not read
        const auto updated = SetString(current.bytes, section, key, value);
        if (!updated) return false;
        if (current.state == FileState::Read && *updated == current.bytes) return true;
        return ReplaceFileAtomically(file, *updated);
    } catch (const std::exception&) {
        return false;
    }
}

}  // namespace wavorin::ini
