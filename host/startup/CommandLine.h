#pragma once
// Reading the screensaver switches the system starts the host with.

#include <cstdint>
#include <string_view>

namespace wavorin::startup {

// The second character of the upper-cased command line (the first, "/" or "-", is not
// looked at); 0 when the command line is shorter than two characters.
wchar_t ModeLetter(std::wstring_view commandLine);

enum class StartMode {
    Preview,            // "P": embed the still picture in the preview pane
    Settings,           // "C", or an empty command line (Explorer's "Configure"): the settings dialog
    Screensaver,        // "S": a run, with the cursor hidden
    Other,              // anything else: ends after the renderer check
};

StartMode ModeOf(std::wstring_view commandLine);

// The preview parent's window handle value: the command line from its fourth character
// (so "/p 1234" and "/p:1234" both give 1234) read as a decimal number after leading
// blanks, rounded to the nearest integer (halves to even). Text that is not a number, or a
// number outside the range of `Handle`, gives 0.
template <typename Handle>
Handle PreviewParentAs(std::wstring_view commandLine);
extern template std::int32_t PreviewParentAs<std::int32_t>(std::wstring_view);
extern template std::int64_t PreviewParentAs<std::int64_t>(std::wstring_view);

// As wide as a window handle of this build: 32 bits in the shipped 32-bit host.
inline std::intptr_t PreviewParentOf(std::wstring_view commandLine)
{
    return PreviewParentAs<std::intptr_t>(commandLine);
}

// The window that asks for the settings ("/c:1234", as the system's Screen Saver Settings
// starts the host), read by the same rule; 0 for none.
inline std::intptr_t CallerWindowOf(std::wstring_view commandLine)
{
    return PreviewParentAs<std::intptr_t>(commandLine);
}

}  // namespace wavorin::startup
