#pragma once

// Splitting settings text into lines the way the platform's profile reader does: a line
// ends at CR or LF (CR LF counts as one break), a leading UTF-8 byte order mark is
// skipped, and blanks around each line do not count.

#include <cstddef>
#include <string_view>

namespace wavorin::ini {

// Space, \t, \n, \v, \f, \r and 0x1A (the DOS end-of-file mark). All are below 0x40, so
// none can be the second byte of a CP932 character: trimming needs no decoding.
constexpr bool IsBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1A';
}

std::string_view TrimBlanks(std::string_view text);
std::string_view TrimLeadingBlanks(std::string_view text);
std::string_view TrimTrailingBlanks(std::string_view text);

// Names and values end at a NUL byte: the platform keeps them as C strings.
std::string_view UpToNul(std::string_view text);

// Offsets into the text of one line.
struct IniLine {
    std::size_t begin = 0;         // first byte of the line
    std::size_t contentBegin = 0;  // first byte after leading blanks
    std::size_t contentEnd = 0;    // one past the last byte before trailing blanks
    std::size_t breakBegin = 0;    // first byte of the line break (text size when there is none)
    std::size_t end = 0;           // first byte of the next line
};

// Walks the lines of a text without allocating.
class IniLineCursor {
public:
    explicit IniLineCursor(std::string_view text);

    // Fills line and returns true, or returns false at the end of the text.
    bool Next(IniLine& line);

private:
    std::string_view text_;
    std::size_t pos_;
};

// The line break new lines should use: the text's first one, or CR LF when it has none.
std::string_view LineBreakOf(std::string_view text);

// The text without its UTF-8 byte order mark, if any.
std::string_view BodyOf(std::string_view text);

}  // namespace wavorin::ini
