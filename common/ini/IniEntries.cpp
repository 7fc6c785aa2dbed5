#include "common/ini/IniEntries.h"

#include "common/ini/IniLines.h"

namespace wavorin::ini {

template <typename Unit>
std::optional<TextView<Unit>> SectionNameOf(TextView<Unit> content)
{
    if (content.empty() || content.front() != Unit('[')) return std::nullopt;
    std::optional<std::size_t> close;
    for (std::size_t pos = 1; pos < content.size();) {
        const std::size_t length = CharLengthAt(content, pos);
        if (length == 1 && content[pos] == Unit(']')) close = pos;
        pos += length;
    }
    if (!close) return std::nullopt;
    return UpToNul(TrimBlanks(content.substr(1, *close - 1)));
}

template <typename Unit>
KeyEntry<Unit> KeyEntryOf(TextView<Unit> content)
{
    // '=' is below 0x40, so it is never the second byte of a character.
    const std::size_t equals = content.find(Unit('='));
    if (equals == TextView<Unit>::npos) return {UpToNul(content), false, content.size()};
    std::size_t valueBegin = equals + 1;
    while (valueBegin < content.size() && IsBlank(content[valueBegin])) ++valueBegin;
    return {UpToNul(TrimTrailingBlanks(content.substr(0, equals))), true, valueBegin};
}

template <typename Unit>
bool NamesEqual(TextView<Unit> a, TextView<Unit> b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t pos = 0; pos < a.size();) {
        if (CharLengthAt(a, pos) == 2) {
            // Equal lead bytes mean b pairs up here too; the trail byte must match exactly.
            if (a[pos] != b[pos] || a[pos + 1] != b[pos + 1]) return false;
            pos += 2;
        } else {
            if (AsciiLower(a[pos]) != AsciiLower(b[pos])) return false;
            pos += 1;
        }
    }
    return true;
}

template std::optional<std::string_view> SectionNameOf(std::string_view);
template std::optional<std::u16string_view> SectionNameOf(std::u16string_view);
template KeyEntry<char> KeyEntryOf(std::string_view);
template KeyEntry<char16_t> KeyEntryOf(std::u16string_view);
template bool NamesEqual(std::string_view, std::string_view);
template bool NamesEqual(std::u16string_view, std::u16string_view);

}  // namespace wavorin::ini
