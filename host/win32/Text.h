#pragma once
// Conversions between UTF-16 and the system's ANSI code page, used where a file holds bytes.

#include <string>
#include <string_view>

namespace wavorin::win32 {

// The system's ANSI code page, whichever it is (932, 1252, or 65001 where Windows' UTF-8
// option is on). Tests name a code page instead, to try one the machine does not have.
inline constexpr unsigned kSystemCodePage = 0;  // CP_ACP

std::wstring AnsiToWide(std::string_view bytes, unsigned codePage = kSystemCodePage);

// The text in the ANSI code page; `lossless` (if given) tells whether it converts back to
// exactly the same text: no default character, no best-fit stand-in (ü for u and the like).
std::string WideToAnsi(std::wstring_view text, bool* lossless = nullptr, unsigned codePage = kSystemCodePage);

}  // namespace wavorin::win32
