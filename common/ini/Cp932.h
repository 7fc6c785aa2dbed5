#pragma once

// Code page 932 (Shift_JIS as Windows has it) at the byte level: which bytes pair up into
// one character. The settings file is read and written as bytes; nothing is converted.

#include <cstddef>
#include <string_view>

namespace wavorin::ini::cp932 {

// 0x81-0x9F and 0xE0-0xFC open a two-byte character.
constexpr bool IsLeadByte(unsigned char byte)
{
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// The second byte of a two-byte character; it may look like '[', ']', '\' or a letter
// and must never be read on its own.
constexpr bool IsTrailByte(unsigned char byte)
{
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

// Bytes taken by the character starting at pos (pos < text.size()). A lead byte whose
// next byte is no trail byte stands alone, so a broken pair never swallows a line break.
constexpr std::size_t CharLengthAt(std::string_view text, std::size_t pos)
{
    const bool pairs = pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos])) &&
                       IsTrailByte(static_cast<unsigned char>(text[pos + 1]));
    return pairs ? 2 : 1;
}

// True when text, read from its start, ends with a lead byte standing alone: whatever
// byte is written after it would be taken as its second half.
bool EndsWithLoneLeadByte(std::string_view text);

// The longest prefix of at most maxBytes bytes that does not cut a character in two.
std::string_view CutAtCharBoundary(std::string_view text, std::size_t maxBytes);

}  // namespace wavorin::ini::cp932
