#include "host/startup/CommandLine.h"

#include <limits>

namespace wavorin::startup {
namespace {

wchar_t UpperAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? wchar_t(c - L'a' + L'A') : c; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

}  // namespace

wchar_t ModeLetter(std::wstring_view commandLine)
{
    return commandLine.size() < 2 ? 0 : UpperAscii(commandLine[1]);
}

StartMode ModeOf(std::wstring_view commandLine)
{
    // Windows starts a screensaver without arguments for its "Configure" command.
    if (commandLine.empty()) return StartMode::Settings;
    switch (ModeLetter(commandLine)) {
    case L'P': return StartMode::Preview;
    case L'C': return StartMode::Settings;
    case L'S': return StartMode::Screensaver;
    default: return StartMode::Other;
    }
}

template <typename Handle>
Handle PreviewParentAs(std::wstring_view commandLine)
{
    if (commandLine.size() <= 3) return 0;
    std::wstring_view text = commandLine.substr(3);
    std::size_t i = 0;
    while (i < text.size() && (text[i] == L' ' || text[i] == L'\t')) ++i;

    bool negative = false;
    if (i < text.size() && (text[i] == L'+' || text[i] == L'-')) negative = text[i++] == L'-';

    // Magnitude limit: the largest value of the sign's side of Handle.
    using Magnitude = std::uintmax_t;
    const Magnitude limit = negative ? Magnitude(std::numeric_limits<Handle>::max()) + 1
                                     : Magnitude(std::numeric_limits<Handle>::max());
    Magnitude value = 0;
    bool anyDigit = false;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        anyDigit = true;
        const Magnitude digit = Magnitude(text[i] - L'0');
        if (value > (limit - digit) / 10) return 0;  // does not fit a handle
        value = value * 10 + digit;
    }

    // A fraction rounds to the nearest integer, exact halves to even.
    if (i < text.size() && text[i] == L'.') {
        ++i;
        int firstDigit = -1;
        bool restNonZero = false;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            anyDigit = true;
            if (firstDigit < 0) firstDigit = text[i] - L'0';
            else if (text[i] != L'0') restNonZero = true;
        }
        const bool roundUp = firstDigit > 5 || (firstDigit == 5 && (restNonZero || value % 2 == 1));
        if (roundUp) {
            if (value == limit) return 0;
            ++value;
        }
    }
    if (!anyDigit) return 0;
    if (negative) return value == 0 ? 0 : Handle(-Handle(value - 1) - 1);
    return Handle(value);
}

template std::int32_t PreviewParentAs<std::int32_t>(std::wstring_view);
template std::int64_t PreviewParentAs<std::int64_t>(std::wstring_view);

}  // namespace wavorin::startup
