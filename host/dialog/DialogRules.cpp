#include "host/dialog/DialogRules.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace wavorin::dialog {

SourceControls ControlsFor(settings::MusicSource source)
{
    using settings::MusicSource;
    SourceControls controls;
    controls.repeatEnabled = source == MusicSource::AudioCd;
    controls.fileEnabled = source == MusicSource::File;
    const int stored = static_cast<int>(source);
    if (stored >= 0 && stored <= 2) controls.selectedOption = stored;  // an option for each named source
    return controls;
}

std::wstring RepeatTrackText(std::int16_t track)
{
    return track == 0 ? std::wstring() : std::to_wstring(track);
}

namespace {

bool IsBlank(wchar_t c)
{
    return c == L' ' || c == L'\t' || c == L'\u3000';
}

// A Japanese input method types digits, signs and the point in their full-width forms; they
// mean what their ASCII forms mean.
wchar_t NarrowForm(wchar_t c)
{
    if (c >= L'\uFF10' && c <= L'\uFF19') return static_cast<wchar_t>(L'0' + (c - L'\uFF10'));
    switch (c) {
    case L'\uFF0B':  // FULLWIDTH PLUS SIGN
        return L'+';
    case L'\uFF0D':  // FULLWIDTH HYPHEN-MINUS
    case L'\u2212':  // MINUS SIGN, as the input method's conversion offers it
        return L'-';
    case L'\uFF0E':  // FULLWIDTH FULL STOP
        return L'.';
    default:
        return c;
    }
}

// Only plain decimal notation counts; strtod alone would also take hex, "inf" and "nan".
bool IsDecimalNotation(std::wstring_view text)
{
    bool digit = false;
    for (const wchar_t c : text) {
        if (c >= L'0' && c <= L'9') {
            digit = true;
        } else if (c != L'+' && c != L'-' && c != L'.' && c != L'e' && c != L'E') {
            return false;
        }
    }
    return digit;
}

}  // namespace

std::int16_t RepeatTrackOf(std::wstring_view text)
{
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    if (text.empty() || text.size() > 64) return 0;
    std::wstring narrowed(text);
    for (wchar_t& c : narrowed) c = NarrowForm(c);
    if (!IsDecimalNotation(narrowed)) return 0;

    const std::string narrow(narrowed.begin(), narrowed.end());  // plain ASCII after the check above
    char* end = nullptr;
    errno = 0;
    const double value = std::strtod(narrow.c_str(), &end);
    if (end != narrow.c_str() + narrow.size() || errno == ERANGE || !std::isfinite(value)) return 0;

    const double rounded = std::nearbyint(value);  // the default rounding mode: halves to even
    if (rounded < std::numeric_limits<std::int16_t>::min() || rounded > std::numeric_limits<std::int16_t>::max()) {
        return 0;
    }
    return static_cast<std::int16_t>(rounded);
}

std::optional<BannerStep> BannerAnimation::Tick()
{
    ++tick_;
    if (tick_ >= kBannerCycle) {
        tick_ = 0;
        return std::nullopt;
    }
    if (tick_ <= kBannerFrameCount) return BannerStep{0, tick_};
    return BannerStep{1, tick_ - kBannerFrameCount};
}

Placement PlaceDialog(int screenWidth, int screenHeight, int windowWidth, int windowHeight)
{
    return {(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 3};
}

std::int16_t ZoomCoordinate(long coordinate)
{
    if (coordinate < std::numeric_limits<std::int16_t>::min() || coordinate > std::numeric_limits<std::int16_t>::max()) {
        return 0;
    }
    return static_cast<std::int16_t>(coordinate);
}

}  // namespace wavorin::dialog
