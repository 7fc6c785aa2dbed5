#pragma once

// Settings text in memory, read and changed the way the platform's profile functions
// (GetPrivateProfileStringA, GetPrivateProfileIntA, WritePrivateProfileStringA) treat a
// file, on its raw CP932 bytes, or on its UTF-16 text when it was saved as Unicode.
// Nothing here touches a file or converts a code page.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wavorin::ini {

// What GetPrivateProfileStringA with a 256-byte buffer can return at most.
inline constexpr std::size_t kMaxValueBytes = 255;

// The value of key in the first section named `section`, as GetPrivateProfileStringA
// (section, key, "", buffer, 256, file) gives it: "" when missing or when the key line
// has no '='; up to any NUL; one pair of matching surrounding quotes (' or ") removed;
// cut to at most 255 bytes without splitting a two-byte character. Names are trimmed of
// blanks and compared ignoring ASCII case; an empty or blank name finds nothing.
std::string GetString(std::string_view text, std::string_view section, std::string_view key);

// The same lookup in UTF-16 text, with the value whole: it is cut only once converted
// to the bytes a caller gets.
std::u16string GetString(std::u16string_view text, std::u16string_view section, std::u16string_view key);

// As GetPrivateProfileIntA: defaultValue when the value is empty or missing, else the
// number it starts with (see LeadingInteger), 0 when it starts with none.
int GetInt(std::string_view text, std::string_view section, std::string_view key, int defaultValue);

// The text with key set to value, every other unit kept: an existing key has just its
// value replaced (a line without '=' gains "=value"); a new key goes after the last
// non-blank line of the first section of that name; a new section goes at the end. New
// lines use the text's first line break, CR LF in a text without one. Blanks around the value are
// dropped: the platform drops leading ones, and trailing ones never read back (keeping
// them would make every rewrite of the same value grow the line). std::nullopt, and
// nothing changed, when CanWrite refuses the input.
std::optional<std::string> SetString(std::string_view text, std::string_view section, std::string_view key,
                                     std::string_view value);
std::optional<std::u16string> SetString(std::u16string_view text, std::u16string_view section,
                                        std::u16string_view key, std::u16string_view value);

}  // namespace wavorin::ini
