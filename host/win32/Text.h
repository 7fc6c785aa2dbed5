#pragma once
// Conversions between UTF-16 and the system's ANSI code page, used where a file holds bytes.

#include <string>
#include <string_view>

namespace wavorin::win32 {

std::wstring AnsiToWide(std::string_view bytes);

// The text in the ANSI code page; `lossless` (if given) tells whether every character
// survived the conversion.
std::string WideToAnsi(std::wstring_view text, bool* lossless = nullptr);

}  // namespace wavorin::win32
