#include "common/ini/IniText.h"

#include "common/ini/Cp932.h"
#include "common/ini/IniLocate.h"
#include "common/ini/IniNumber.h"
#include "common/ini/IniWriteRules.h"

namespace wavorin::ini {

namespace {

template <typename Unit>
using Text = std::basic_string<Unit>;

// The punctuation new lines are made of, in either kind of text.
template <typename Unit>
struct Marks {
    static constexpr Unit kUnits[] = {Unit('='), Unit('['), Unit(']')};
    static constexpr TextView<Unit> kEquals{kUnits, 1};
    static constexpr TextView<Unit> kOpen{kUnits + 1, 1};
    static constexpr TextView<Unit> kClose{kUnits + 2, 1};
};

// Quotes are below 0x40, so the last byte being one is a whole character.
template <typename Unit>
TextView<Unit> WithoutSurroundingQuotes(TextView<Unit> value)
{
    const bool quoted = value.size() >= 2 && (value.front() == Unit('"') || value.front() == Unit('\'')) &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

// Concatenation with one allocation: these texts can be tens of megabytes.
template <typename Unit, typename... Parts>
Text<Unit> Joined(const Parts&... parts)
{
    Text<Unit> out;
    out.reserve((TextView<Unit>(parts).size() + ...));
    (out.append(TextView<Unit>(parts)), ...);
    return out;
}

template <typename Unit>
TextView<Unit> ValueOf(TextView<Unit> text, TextView<Unit> section, TextView<Unit> key)
{
    section = TrimBlanks(UpToNul(section));
    key = TrimBlanks(UpToNul(key));
    if (section.empty() || key.empty()) return {};
    const IniLocation<Unit> location = Locate(text, section, key);
    if (!location.key || !location.key->entry.hasValue) return {};
    const IniLine& line = location.key->line;
    const TextView<Unit> content = text.substr(line.contentBegin, line.contentEnd - line.contentBegin);
    return WithoutSurroundingQuotes(UpToNul(content.substr(location.key->entry.valueBegin)));
}

template <typename Unit>
Text<Unit> ReplacedValue(TextView<Unit> text, const FoundKey<Unit>& found, TextView<Unit> value)
{
    const std::size_t lineContent = found.line.contentBegin;
    if (!found.entry.hasValue) {
        const std::size_t at = found.line.contentEnd;
        return Joined<Unit>(text.substr(0, at), Marks<Unit>::kEquals, value, text.substr(at));
    }
    const std::size_t begin = lineContent + found.entry.valueBegin;
    const std::size_t end = found.line.contentEnd;
    if (text.substr(begin, end - begin) == value) return Text<Unit>(text);
    return Joined<Unit>(text.substr(0, begin), value, text.substr(end));
}

template <typename Unit>
Text<Unit> AppendedKey(TextView<Unit> text, const IniLocation<Unit>& location, TextView<Unit> key,
                       TextView<Unit> value)
{
    const TextView<Unit> lineBreak = LineBreakOf(text);
    const TextView<Unit> before = text.substr(0, location.appendAt);
    const TextView<Unit> after = text.substr(location.appendAt);
    return Joined<Unit>(before, location.appendNeedsBreak ? lineBreak : TextView<Unit>(), key, Marks<Unit>::kEquals,
                        value, lineBreak, after);
}

template <typename Unit>
Text<Unit> AppendedSection(TextView<Unit> text, TextView<Unit> section, TextView<Unit> key, TextView<Unit> value)
{
    const TextView<Unit> lineBreak = LineBreakOf(text);
    const TextView<Unit> body = BodyOf(text);
    const bool needsBreak = !body.empty() && body.back() != Unit('\n') && body.back() != Unit('\r');
    return Joined<Unit>(text, needsBreak ? lineBreak : TextView<Unit>(), Marks<Unit>::kOpen, section,
                        Marks<Unit>::kClose, lineBreak, key, Marks<Unit>::kEquals, value, lineBreak);
}

template <typename Unit>
std::optional<Text<Unit>> SetValue(TextView<Unit> text, TextView<Unit> section, TextView<Unit> key,
                                   TextView<Unit> value)
{
    if (!CanWrite(section, key, value)) return std::nullopt;
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    value = TrimBlanks(value);  // blanks around a value never read back
    const IniLocation<Unit> location = Locate(text, section, key);
    if (location.key) return ReplacedValue(text, *location.key, value);
    if (location.sectionFound) return AppendedKey(text, location, key, value);
    return AppendedSection(text, section, key, value);
}

}  // namespace

std::string GetString(std::string_view text, std::string_view section, std::string_view key)
{
    return std::string(cp932::CutAtCharBoundary(ValueOf(text, section, key), kMaxValueBytes));
}

std::u16string GetString(std::u16string_view text, std::u16string_view section, std::u16string_view key)
{
    return std::u16string(ValueOf(text, section, key));
}

int GetInt(std::string_view text, std::string_view section, std::string_view key, int defaultValue)
{
    const std::string value = GetString(text, section, key);
    return value.empty() ? defaultValue : LeadingInteger(value);
}

std::optional<std::string> SetString(std::string_view text, std::string_view section, std::string_view key,
                                     std::string_view value)
{
    return SetValue(text, section, key, value);
}

std::optional<std::u16string> SetString(std::u16string_view text, std::u16string_view section,
                                        std::u16string_view key, std::u16string_view value)
{
    return SetValue(text, section, key, value);
}

}  // namespace wavorin::ini
