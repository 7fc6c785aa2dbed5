#include "common/ini/IniLines.h"

namespace wavorin::ini {

namespace {

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

std::string_view BodyOf(std::string_view text)
{
    return text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark ? text.substr(kUtf8ByteOrderMark.size())
                                                                            : text;
}

template <typename Unit>
IniLineCursor<Unit>::IniLineCursor(TextView<Unit> text) : text_(text), pos_(text.size() - BodyOf(text).size())
{
}

template <typename Unit>
bool IniLineCursor<Unit>::Next(IniLine& line)
{
    // Plain pointers: this loop touches every unit, and unoptimised sanitizer builds pay
    // for each call of string_view::operator[].
    const Unit* const text = text_.data();
    const std::size_t size = text_.size();
    if (pos_ >= size) return false;
    std::size_t breakBegin = pos_;
    while (breakBegin < size && text[breakBegin] != Unit('\r') && text[breakBegin] != Unit('\n')) ++breakBegin;
    std::size_t end = breakBegin;
    if (end < size) end += text[end] == Unit('\r') && end + 1 < size && text[end + 1] == Unit('\n') ? 2 : 1;
    std::size_t contentBegin = pos_;
    while (contentBegin < breakBegin && IsBlank(text[contentBegin])) ++contentBegin;
    std::size_t contentEnd = breakBegin;
    while (contentEnd > contentBegin && IsBlank(text[contentEnd - 1])) --contentEnd;

    line = IniLine{pos_, contentBegin, contentEnd, breakBegin, end};
    pos_ = end;
    return true;
}

template <typename Unit>
TextView<Unit> LineBreakOf(TextView<Unit> text)
{
    static constexpr Unit kCrLf[] = {Unit('\r'), Unit('\n')};
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == Unit('\n')) return TextView<Unit>(kCrLf + 1, 1);
        if (text[i] == Unit('\r')) return TextView<Unit>(kCrLf, i + 1 < text.size() && text[i + 1] == Unit('\n') ? 2 : 1);
    }
    return TextView<Unit>(kCrLf, 2);
}

template class IniLineCursor<char>;
template class IniLineCursor<char16_t>;
template std::string_view LineBreakOf(std::string_view);
template std::u16string_view LineBreakOf(std::u16string_view);

}  // namespace wavorin::ini
