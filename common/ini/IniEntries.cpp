#include "common/ini/IniEntries.h"

#include "common/ini/Cp932.h"
#include "common/ini/IniLines.h"

namespace wavorin::ini {

namespace {

constexpr char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

std::optional<std::string_view> SectionNameOf(std::string_view content)
{
    if (content.empty() || content.front() != '[') return std::nullopt;
    std::optional<std::size_t> close;
    for (std::size_t pos = 1; pos < content.size();) {
        const std::size_t length = cp932::CharLengthAt(content, pos);
        if (length == 1 && content[pos] == ']') close = pos;
        pos += length;
    }
    if (!close) return std::nullopt;
    return UpToNul(TrimBlanks(content.substr(1, *close - 1)));
}

KeyEntry KeyEntryOf(std::string_view content)
{
    // '=' is below 0x40, so it is never the second byte of a character.
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos) return {UpToNul(content), false, content.size()};
    std::size_t valueBegin = equals + 1;
    while (valueBegin < content.size() && IsBlank(content[valueBegin])) ++valueBegin;
    return {UpToNul(TrimTrailingBlanks(content.substr(0, equals))), true, valueBegin};
}

bool NamesEqual(std::string_view a, std::string_view b)
{
    if (a.size() != b.size()) return false;
    for (std::size_t pos = 0; pos < a.size();) {
        if (cp932::CharLengthAt(a, pos) == 2) {
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

}  // namespace wavorin::ini
