// The text form of a PropertyStore (see PropertyStore.h). Texts come from files and
// resources, so every line is checked and nothing is assumed about its length or bytes.

#include <charconv>
#include <cmath>
#include <limits>

#include "host/controls/PropertyStore.h"

namespace wavorin::controls {
namespace {

void AppendQuoted(std::string& out, std::string_view text)
{
    out += '"';
    for (char c : text) {
        if (c == '"') out += '"';
        out += (c == '\n' || c == '\r') ? ' ' : c;  // one line per property
    }
    out += '"';
}

void AppendNumber(std::string& out, auto number)
{
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, number);
    if (error == std::errc()) out.append(buffer, end);
}

struct ValueWriter {
    std::string& out;
    void operator()(std::int32_t number) const { AppendNumber(out, number); }
    void operator()(bool flag) const { out += flag ? "True" : "False"; }
    void operator()(const std::string& text) const { AppendQuoted(out, text); }
    void operator()(const FontInfo& font) const
    {
        out += '{';
        AppendQuoted(out, font.face);
        out += ", ";
        AppendNumber(out, font.points);
        for (std::int32_t part : {font.weight, font.charset, font.style}) {
            out += ", ";
            AppendNumber(out, part);
        }
        out += '}';
    }
};

// A cursor over one line.
class LineReader {
public:
    explicit LineReader(std::string_view line) : rest_(line) {}

    void SkipBlanks()
    {
        while (!rest_.empty() && (rest_.front() == ' ' || rest_.front() == '\t')) rest_.remove_prefix(1);
    }
    bool AtEnd()
    {
        SkipBlanks();
        return rest_.empty();
    }
    bool Take(char c)
    {
        SkipBlanks();
        if (rest_.empty() || rest_.front() != c) return false;
        rest_.remove_prefix(1);
        return true;
    }
    bool TakeWord(std::string_view word)
    {
        SkipBlanks();
        if (rest_.substr(0, word.size()) != word) return false;
        const std::string_view after = rest_.substr(word.size());
        if (!after.empty() && IsKeyChar(after.front())) return false;
        rest_.remove_prefix(word.size());
        return true;
    }
    std::optional<std::string> Key()
    {
        SkipBlanks();
        std::size_t length = 0;
        while (length < rest_.size() && IsKeyChar(rest_[length])) ++length;
        if (length == 0 || (rest_.front() >= '0' && rest_.front() <= '9')) return std::nullopt;
        std::string key(rest_.substr(0, length));
        rest_.remove_prefix(length);
        return key;
    }
    std::optional<std::string> Quoted()
    {
        if (!Take('"')) return std::nullopt;
        std::string text;
        for (;;) {
            if (rest_.empty()) return std::nullopt;  // unterminated
            const char c = rest_.front();
            rest_.remove_prefix(1);
            if (c == '\r') return std::nullopt;  // text is single-line
            if (c != '"') {
                text += c;
            } else if (!rest_.empty() && rest_.front() == '"') {
                text += '"';
                rest_.remove_prefix(1);
            } else {
                return text;
            }
        }
    }
    std::optional<std::int32_t> Integer()
    {
        SkipBlanks();
        bool negative = false;
        if (!rest_.empty() && rest_.front() == '-') {
            negative = true;
            rest_.remove_prefix(1);
        }
        int base = 10;
        if (rest_.size() > 2 && rest_[0] == '0' && (rest_[1] == 'x' || rest_[1] == 'X')) {
            base = 16;
            rest_.remove_prefix(2);
        }
        if (rest_.empty() || rest_.front() == '-' || rest_.front() == '+') return std::nullopt;
        std::int64_t magnitude = 0;
        const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), magnitude, base);
        if (error != std::errc()) return std::nullopt;
        rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
        const std::int64_t value = negative ? -magnitude : magnitude;
        if (value < std::numeric_limits<std::int32_t>::min() || value > std::numeric_limits<std::int32_t>::max()) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(value);
    }
    std::optional<double> Real()
    {
        SkipBlanks();
        if (rest_.empty() || rest_.front() == '+') return std::nullopt;
        double value = 0;
        const auto [end, error] = std::from_chars(rest_.data(), rest_.data() + rest_.size(), value);
        if (error != std::errc() || !std::isfinite(value)) return std::nullopt;
        rest_.remove_prefix(static_cast<std::size_t>(end - rest_.data()));
        return value;
    }

private:
    static bool IsKeyChar(char c)
    {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    }

    std::string_view rest_;
};

std::optional<FontInfo> ReadFontValue(LineReader& reader)
{
    FontInfo font;
    std::optional<std::string> face = reader.Quoted();
    if (!face || !reader.Take(',')) return std::nullopt;
    font.face = std::move(*face);
    const std::optional<double> points = reader.Real();
    if (!points || *points <= 0 || !reader.Take(',')) return std::nullopt;
    font.points = *points;
    std::int32_t* parts[] = {&font.weight, &font.charset, &font.style};
    for (std::size_t i = 0; i < 3; ++i) {
        const std::optional<std::int32_t> part = reader.Integer();
        if (!part) return std::nullopt;
        *parts[i] = *part;
        if (i < 2 && !reader.Take(',')) return std::nullopt;
    }
    if (!reader.Take('}')) return std::nullopt;
    return font;
}

std::optional<PropertyValue> ReadValue(LineReader& reader)
{
    if (reader.TakeWord("True")) return PropertyValue{true};
    if (reader.TakeWord("False")) return PropertyValue{false};
    if (reader.Take('{')) {
        std::optional<FontInfo> font = ReadFontValue(reader);
        if (!font) return std::nullopt;
        return PropertyValue{std::move(*font)};
    }
    LineReader probe = reader;
    if (probe.Take('"')) {
        std::optional<std::string> text = reader.Quoted();
        if (!text) return std::nullopt;
        return PropertyValue{std::move(*text)};
    }
    const std::optional<std::int32_t> number = reader.Integer();
    if (!number) return std::nullopt;
    return PropertyValue{*number};
}

}  // namespace

std::string PropertyStore::ToText() const
{
    std::string out;
    for (const Property& entry : entries_) {
        out += entry.key;
        out += " = ";
        std::visit(ValueWriter{out}, entry.value);
        out += '\n';
    }
    return out;
}

std::optional<PropertyStore> PropertyStore::FromText(std::string_view text, std::string* error)
{
    PropertyStore store;
    int lineNumber = 0;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text = newline == std::string_view::npos ? std::string_view() : text.substr(newline + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);

        LineReader reader(line);
        if (reader.AtEnd() || reader.Take('#')) continue;
        std::optional<std::string> key = reader.Key();
        std::optional<PropertyValue> value;
        if (key && reader.Take('=')) value = ReadValue(reader);
        if (!value || !reader.AtEnd()) {
            if (error) *error = "line " + std::to_string(lineNumber) + ": not a property";
            return std::nullopt;
        }
        store.Put(*key, std::move(*value));
    }
    return store;
}

}  // namespace wavorin::controls
