// The repeat box's text as typed by anyone: no undefined behaviour (the sanitizers watch the
// conversion of huge numbers), blanks around it change nothing, a track reads back as
// itself, and the same text in full-width forms gives the same track.
#include <cstdlib>
#include <string>

#include "host/dialog/DialogRules.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace wavorin::dialog;
    std::wstring text, fullWidth;
    for (std::size_t i = 0; i < size; ++i) {
        wchar_t c = data[i];  // mostly ASCII, with a high byte now and then for other characters
        if (c >= 0x80 && i + 1 < size) c = static_cast<wchar_t>((c << 8) | data[++i]);
        text.push_back(c);
        const bool narrow = (c >= L'0' && c <= L'9') || c == L'+' || c == L'.';
        fullWidth.push_back(narrow ? static_cast<wchar_t>(c - L'!' + L'\uFF01') : c == L'-' ? L'\u2212' : c);
    }
    const std::int16_t track = RepeatTrackOf(text);
    if (RepeatTrackOf(L" " + text + L" ") != track || RepeatTrackOf(fullWidth) != track) std::abort();
    if (track != 0 && RepeatTrackOf(RepeatTrackText(track)) != track) std::abort();
    return 0;
}
