#pragma once

// The two forms settings text comes in: CP932 bytes (char), as the file usually holds
// them, and UTF-16 code units (char16_t), when another program saved it as Unicode. The
// format's rules are the same for both; only what makes up one character differs.

#include <cstddef>
#include <string_view>

#include "common/ini/Cp932.h"

namespace wavorin::ini {

template <typename Unit>
using TextView = std::basic_string_view<Unit>;

// Units taken by the character at pos (pos < text.size()). A CP932 lead byte pairs with
// a trail byte that may look like '[', ']' or a letter. No unit of a UTF-16 character
// ever looks like ASCII, so there each unit stands alone, lone surrogates included.
inline std::size_t CharLengthAt(std::string_view text, std::size_t pos) { return cp932::CharLengthAt(text, pos); }
constexpr std::size_t CharLengthAt(std::u16string_view, std::size_t) { return 1; }

// True when whatever follows the text would be taken as the second half of its last character.
inline bool EndsWithLoneLeadByte(std::string_view text) { return cp932::EndsWithLoneLeadByte(text); }
constexpr bool EndsWithLoneLeadByte(std::u16string_view) { return false; }

template <typename Unit>
constexpr Unit AsciiLower(Unit c)
{
    return c >= Unit('A') && c <= Unit('Z') ? static_cast<Unit>(c - Unit('A') + Unit('a')) : c;
}

}  // namespace wavorin::ini
