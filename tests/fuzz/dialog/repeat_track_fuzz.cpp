// The repeat box's text as typed by anyone: never undefined behaviour (the sanitizers watch
// the conversion of huge numbers), every track it gives reads back as itself, and the same
// text typed in full-width forms gives the same track.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "host/dialog/DialogRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using wavorin::host::dialog::RepeatTrackOf;
    using wavorin::host::dialog::RepeatTrackText;

    // Mostly ASCII through, with a high byte now and then for other characters.
    std::wstring text;
    for (std::size_t i = 0; i < size; ++i) {
        wchar_t c = data[i];
        if (c >= 0x80 && i + 1 < size) c = static_cast<wchar_t>((c << 8) | data[++i]);
        text.push_back(c);
    }

    const std::int16_t track = RepeatTrackOf(text);
    if (RepeatTrackOf(L" " + text + L" ") != track) std::abort();  // blanks around do not matter
    if (track != 0 && RepeatTrackOf(RepeatTrackText(track)) != track) std::abort();

    std::wstring fullWidth = text;
    for (wchar_t& c : fullWidth) {
        if ((c >= L'0' && c <= L'9') || c == L'+' || c == L'.') c = static_cast<wchar_t>(c - L'!' + L'\uFF01');
        if (c == L'-') c = L'\u2212';
    }
    if (RepeatTrackOf(fullWidth) != track) std::abort();
    return 0;
}
