#pragma once
// What the settings dialog decides, apart from its windows: which controls a music source
// enables, the repeat-track text in both directions, the banner's frame steps, where the
// dialog opens and the point it zooms from.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "host/settings/MusicSettings.h"

namespace wavorin::dialog {

// The controls that depend on the music source.
struct SourceControls {
    bool repeatEnabled = false;  // the CD track box
    bool fileEnabled = false;    // the choose-file button
    std::optional<int> selectedOption;  // the option glyph shown as selected, none for a stray value
};
SourceControls ControlsFor(settings::MusicSource source);

// The repeat track as the combo box shows it: the number, and nothing for 0.
std::wstring RepeatTrackText(std::int16_t track);

// The combo box text as the stored track: a number (blanks around it, sign, fraction,
// exponent allowed; digits, signs and the point also in the full-width forms a Japanese
// input method types) rounded to the nearest integer with halves to even. Text that is not
// a number gives 0, and so does a number outside -32768..32767: no such CD track exists,
// and 0 (no repeat) is the harmless reading of it.
std::int16_t RepeatTrackOf(std::wstring_view text);

// One tick of the banner: the box (0 left, 1 right) and the frame (1..24) to show, if any.
struct BannerStep {
    int box = 0;
    int frame = 0;
};
inline constexpr int kBannerFrameCount = 24;
inline constexpr int kBannerCycle = 2 * kBannerFrameCount + 1;

class BannerAnimation {
public:
    // Advances one tick; nothing to show on the cycle's last tick.
    std::optional<BannerStep> Tick();

private:
    std::int16_t tick_ = 0;
};

// Top-left corner of the dialog: centred across, a third of the free space above.
struct Placement {
    int left = 0;
    int top = 0;
};
Placement PlaceDialog(int screenWidth, int screenHeight, int windowWidth, int windowHeight);

// A pointer coordinate as the 16-bit zoom point keeps it: 0 when it does not fit.
std::int16_t ZoomCoordinate(long coordinate);

}  // namespace wavorin::dialog
