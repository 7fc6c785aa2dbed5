#include "common/ini/IniWriteRules.h"

#include <cstddef>

#include "common/ini/Cp932.h"
#include "common/ini/IniLines.h"

namespace wavorin::ini {

namespace {

bool HoldsLineBreakOrNul(std::string_view text) { return text.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos; }

bool HoldsCloseBracketChar(std::string_view text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = cp932::CharLengthAt(text, pos);
        if (length == 1 && text[pos] == ']') return true;
        pos += length;
    }
    return false;
}

bool IsWritableSection(std::string_view section)
{
    const std::string_view name = TrimBlanks(section);
    return !name.empty() && !HoldsLineBreakOrNul(section) && !HoldsCloseBracketChar(name) &&
           !cp932::EndsWithLoneLeadByte(name);
}

bool IsWritableKey(std::string_view key)
{
    const std::string_view name = TrimBlanks(key);
    return !name.empty() && !HoldsLineBreakOrNul(key) && name.find('=') == std::string_view::npos &&
           name.front() != '[';
}

}  // namespace

bool CanWrite(std::string_view section, std::string_view key, std::string_view value)
{
    return IsWritableSection(section) && IsWritableKey(key) && !HoldsLineBreakOrNul(value);
}

}  // namespace wavorin::ini
