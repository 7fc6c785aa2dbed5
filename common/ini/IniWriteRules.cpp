#include "common/ini/IniWriteRules.h"

#include <cstddef>

#include "common/ini/IniLines.h"

namespace wavorin::ini {

namespace {

template <typename Unit>
bool HoldsLineBreakOrNul(TextView<Unit> text)
{
    static constexpr Unit kBreaksAndNul[] = {Unit('\r'), Unit('\n'), Unit(0)};
    return text.find_first_of(TextView<Unit>(kBreaksAndNul, 3)) != TextView<Unit>::npos;
}

template <typename Unit>
bool HoldsCloseBracketChar(TextView<Unit> text)
{
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLengthAt(text, pos);
        if (length == 1 && text[pos] == Unit(']')) return true;
        pos += length;
    }
    return false;
}

template <typename Unit>
bool IsWritableSection(TextView<Unit> section)
{
    const TextView<Unit> name = TrimBlanks(section);
    return !name.empty() && !HoldsLineBreakOrNul(section) && !HoldsCloseBracketChar(name) &&
           !EndsWithLoneLeadByte(name);
}

template <typename Unit>
bool IsWritableKey(TextView<Unit> key)
{
    const TextView<Unit> name = TrimBlanks(key);
    return !name.empty() && !HoldsLineBreakOrNul(key) && name.find(Unit('=')) == TextView<Unit>::npos &&
           name.front() != Unit('[');
}

template <typename Unit>
bool CanWriteText(TextView<Unit> section, TextView<Unit> key, TextView<Unit> value)
{
    return IsWritableSection(section) && IsWritableKey(key) && !HoldsLineBreakOrNul(value);
}

}  // namespace

bool CanWrite(std::string_view section, std::string_view key, std::string_view value)
{
    return CanWriteText(section, key, value);
}

bool CanWrite(std::u16string_view section, std::u16string_view key, std::u16string_view value)
{
    return CanWriteText(section, key, value);
}

}  // namespace wavorin::ini
