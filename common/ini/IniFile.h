#pragma once

// The settings file on disk, read and written with the rules of IniText.h. Names and
// values are bytes (CP932 names, ANSI values) whether the file holds bytes or, saved
// as Unicode, UTF-16 text; a UTF-16 file stays UTF-16 when written.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace wavorin::ini {

// Files larger than this are treated as unreadable: they are no settings file, and
// reading them whole would strain a 32-bit process.
inline constexpr std::size_t kMaxFileBytes = 64u * 1024u * 1024u;

// GetString on the file; "" when it is missing, locked or unreadable.
std::string ReadString(const std::filesystem::path& file, std::string_view section, std::string_view key);

// GetInt on the file; defaultValue when it is missing, locked or unreadable.
int ReadInt(const std::filesystem::path& file, std::string_view section, std::string_view key, int defaultValue);

// A size for the renderer: ReadInt with fallback as default, and fallback for 0 too.
int ReadDimension(const std::filesystem::path& file, std::string_view section, std::string_view key, int fallback);

// SetString on the file, replacing it atomically (see ReplaceFileAtomically); creates it
// when missing, provided its folder exists. Leaves the file untouched and returns false
// when the input is refused or the file cannot be read or replaced; returns true
// without rewriting when nothing would change.
bool WriteString(const std::filesystem::path& file, std::string_view section, std::string_view key,
                 std::string_view value);

}  // namespace wavorin::ini
