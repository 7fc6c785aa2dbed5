#pragma once

// Conversions between the bytes callers pass and get and the text of a settings file
// saved as UTF-16, done as the platform's profile functions do them. Each platform
// supplies its own: Windows its code page tables, elsewhere iconv.

#include <optional>
#include <string>
#include <string_view>

namespace wavorin::ini {

// Section and key names are CP932 bytes whatever the system's code page, so in a UTF-16
// file they are the same Japanese text.
std::optional<std::u16string> NameAsUtf16(std::string_view cp932);

// Values are bytes in the system's ANSI code page (CP932 on a Japanese system), as the
// ANSI profile functions take and return them. A character the code page lacks becomes '?'
// (one per UTF-16 unit).
std::optional<std::u16string> ValueAsUtf16(std::string_view ansi);
std::optional<std::string> ValueAsAnsi(std::u16string_view text);

}  // namespace wavorin::ini
