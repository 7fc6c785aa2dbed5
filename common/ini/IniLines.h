#pragma once

// Splitting settings text into lines the way the platform's profile reader does: a line
// ends at CR or LF (CR LF counts as one break), a leading UTF-8 byte order mark is
// skipped, and blanks around each line do not count.

#include <cstddef>
#include <string_view>

#include "common/ini/IniUnits.h"

namespace wavorin::ini {

// Space, \t, \n, \v, \f, \r and 0x1A (the DOS end-of-file mark). All are below 0x40, so
// none can be the second byte of a CP932 character: trimming needs no decoding.
template <typename Unit>
constexpr bool IsBlank(Unit c)
{
    return c == Unit(' ') || (c >= Unit('\t') && c <= Unit('\r')) || c == Unit(0x1A);
}

template <typename Unit>
TextView<Unit> TrimLeadingBlanks(TextView<Unit> text)
{
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    return text.substr(begin);
}

template <typename Unit>
TextView<Unit> TrimTrailingBlanks(TextView<Unit> text)
{
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return text.substr(0, end);
}

template <typename Unit>
TextView<Unit> TrimBlanks(TextView<Unit> text)
{
    return TrimTrailingBlanks(TrimLeadingBlanks(text));
}

// Names and values end at a NUL: the platform keeps them as C strings.
template <typename Unit>
TextView<Unit> UpToNul(TextView<Unit> text)
{
    return text.substr(0, text.find(Unit(0)));
}

// Offsets into the text of one line.
struct IniLine {
    std::size_t begin = 0;         // first unit of the line
    std::size_t contentBegin = 0;  // first unit after leading blanks
    std::size_t contentEnd = 0;    // one past the last unit before trailing blanks
    std::size_t breakBegin = 0;    // first unit of the line break (text size when there is none)
    std::size_t end = 0;           // first unit of the next line
};

// Walks the lines of a text without allocating.
template <typename Unit>
class IniLineCursor {
public:
    explicit IniLineCursor(TextView<Unit> text);

    // Fills line and returns true, or returns false at the end of the text.
    bool Next(IniLine& line);

private:
    TextView<Unit> text_;
    std::size_t pos_;
};

// The line break new lines should use: the text's first one, or CR LF when it has none.
template <typename Unit>
TextView<Unit> LineBreakOf(TextView<Unit> text);

// The bytes without their UTF-8 byte order mark, if any. UTF-16 text comes without its
// mark already.
std::string_view BodyOf(std::string_view text);
constexpr std::u16string_view BodyOf(std::u16string_view text) { return text; }

}  // namespace wavorin::ini
