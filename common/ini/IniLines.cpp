#include "common/ini/IniLines.h"

namespace wavorin::ini {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string_view TrimLeadingBlanks(std::string_view text)
{
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) ++begin;
    return text.substr(begin);
}

std::string_view TrimTrailingBlanks(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return text.substr(0, end);
}

std::string_view TrimBlanks(std::string_view text) { return TrimTrailingBlanks(TrimLeadingBlanks(text)); }

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

std::string_view BodyOf(std::string_view text)
{
    return text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark ? text.substr(kUtf8ByteOrderMark.size())
                                                                            : text;
}

IniLineCursor::IniLineCursor(std::string_view text) : text_(text), pos_(text.size() - BodyOf(text).size()) {}

bool IniLineCursor::Next(IniLine& line)
{
    // Plain pointers: this loop touches every byte, and unoptimised sanitizer builds pay
    // for each call of string_view::operator[].
    const char* const text = text_.data();
    const std::size_t size = text_.size();
    if (pos_ >= size) return false;
    std::size_t breakBegin = pos_;
    while (breakBegin < size && text[breakBegin] != '\r' && text[breakBegin] != '\n') ++breakBegin;
    std::size_t end = breakBegin;
    if (end < size) end += text[end] == '\r' && end + 1 < size && text[end + 1] == '\n' ? 2 : 1;
    std::size_t contentBegin = pos_;
    while (contentBegin < breakBegin && IsBlank(text[contentBegin])) ++contentBegin;
    std::size_t contentEnd = breakBegin;
    while (contentEnd > contentBegin && IsBlank(text[contentEnd - 1])) --contentEnd;

    line = IniLine{pos_, contentBegin, contentEnd, breakBegin, end};
    pos_ = end;
    return true;
}

std::string_view LineBreakOf(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') return "\n";
        if (text[i] == '\r') return i + 1 < text.size() && text[i + 1] == '\n' ? "\r\n" : "\r";
    }
    return "\r\n";
}

}  // namespace wavorin::ini
