#include "common/ini/IniText.h"

#include "common/ini/Cp932.h"
#include "common/ini/IniLocate.h"
#include "common/ini/IniNumber.h"
#include "common/ini/IniWriteRules.h"

namespace wavorin::ini {

namespace {

// Quotes are below 0x40, so the last byte being one is a whole character.
std::string_view WithoutSurroundingQuotes(std::string_view value)
{
    const bool quoted = value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
                        value.back() == value.front();
    return quoted ? value.substr(1, value.size() - 2) : value;
}

// Concatenation with one allocation: these texts can be tens of megabytes.
template <typename... Parts>
std::string Joined(const Parts&... parts)
{
    std::string out;
    out.reserve((std::string_view(parts).size() + ...));
    (out.append(std::string_view(parts)), ...);
    return out;
}

std::string ReplacedValue(std::string_view text, const FoundKey& found, std::string_view value)
{
    const std::size_t lineContent = found.line.contentBegin;
    if (!found.entry.hasValue) {
        const std::size_t at = found.line.contentEnd;
        return Joined(text.substr(0, at), "=", value, text.substr(at));
    }
    const std::size_t begin = lineContent + found.entry.valueBegin;
    const std::size_t end = found.line.contentEnd;
    if (text.substr(begin, end - begin) == value) return std::string(text);
    return Joined(text.substr(0, begin), value, text.substr(end));
}

std::string AppendedKey(std::string_view text, const IniLocation& location, std::string_view key,
                        std::string_view value)
{
    const std::string_view lineBreak = LineBreakOf(text);
    const std::string_view before = text.substr(0, location.appendAt);
    const std::string_view after = text.substr(location.appendAt);
    return Joined(before, location.appendNeedsBreak ? lineBreak : "", key, "=", value, lineBreak, after);
}

std::string AppendedSection(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value)
{
    const std::string_view lineBreak = LineBreakOf(text);
    const std::string_view body = BodyOf(text);
    const bool needsBreak = !body.empty() && body.back() != '\n' && body.back() != '\r';
    return Joined(text, needsBreak ? lineBreak : "", "[", section, "]", lineBreak, key, "=", value, lineBreak);
}

}  // namespace

std::string GetString(std::string_view text, std::string_view section, std::string_view key)
{
    section = TrimBlanks(UpToNul(section));
    key = TrimBlanks(UpToNul(key));
    if (section.empty() || key.empty()) return {};
    const IniLocation location = Locate(text, section, key);
    if (!location.key || !location.key->entry.hasValue) return {};
    const IniLine& line = location.key->line;
    const std::string_view content = text.substr(line.contentBegin, line.contentEnd - line.contentBegin);
    const std::string_view value = WithoutSurroundingQuotes(UpToNul(content.substr(location.key->entry.valueBegin)));
    return std::string(cp932::CutAtCharBoundary(value, kMaxValueBytes));
}

int GetInt(std::string_view text, std::string_view section, std::string_view key, int defaultValue)
{
    const std::string value = GetString(text, section, key);
    return value.empty() ? defaultValue : LeadingInteger(value);
}

std::optional<std::string> SetString(std::string_view text, std::string_view section, std::string_view key,
                                     std::string_view value)
{
    if (!CanWrite(section, key, value)) return std::nullopt;
    section = TrimBlanks(section);
    key = TrimBlanks(key);
    value = TrimBlanks(value);  // blanks around a value never read back
    const IniLocation location = Locate(text, section, key);
    if (location.key) return ReplacedValue(text, *location.key, value);
    if (location.sectionFound) return AppendedKey(text, location, key, value);
    return AppendedSection(text, section, key, value);
}

}  // namespace wavorin::ini
