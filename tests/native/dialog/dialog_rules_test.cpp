#include "host/dialog/DialogRules.h"

#include <gtest/gtest.h>

namespace wavorin::dialog {
namespace {

// The named sources' controls are tried on real windows (tests/windows/dialog); here the stored
// values on either side of them, which select no option, and the first, no music.
TEST(SourceControls, AStrayValueSelectsNoOptionAndEnablesNothing)
{
    for (const auto& [kind, option] : {std::pair{-1, std::optional<int>()}, {0, 0}, {3, std::nullopt}}) {
        const SourceControls controls = ControlsFor(settings::MusicSource(kind));
        EXPECT_EQ(std::tuple(controls.repeatEnabled, controls.fileEnabled, controls.selectedOption), std::tuple(false, false, option)) << kind;
    }
}

// The repeat box's text as the stored track: rounded halves to even, digits and signs also
// in the full-width forms a Japanese input method types; 0 for no number or none in 16 bits.
TEST(RepeatTrack, TextToTrack)
{
    const std::pair<std::wstring, int> rows[] = {
        {L"12", 12},  {L"2.5", 2},    {L"3.5", 4},   {L" 30 ", 30},      {L"1e1", 10},         {L".5", 0},     {L"+9", 9},
        {L"\u3000０９\u3000", 9},      {L"－２．５", -2}, {L"   ", 0},     {L"0x10", 0},         {L"1.2.3", 0},  {L"-", 0},
        {L"32767", 32767}, {L"32767.4", 32767}, {L"32767.5", 0}, {L"-32768", -32768}, {L"-32769", 0}, {L"1e400", 0}, {std::wstring(200, L'9'), 0},
    };
    for (const auto& [text, track] : rows) EXPECT_EQ(RepeatTrackOf(text), track) << testing::PrintToString(text);
}

// The zoom point in 16 bits; where the dialog goes and the banner's frames are tried on real
// windows (tests/windows/dialog).
TEST(Placement, TheZoomPointIsIn16Bits)
{
    const std::pair<long, int> zoom[] = {{640, 640}, {-32768, -32768}, {32767, 32767}, {32768, 0}, {-40000, 0}};
    for (const auto& [coordinate, kept] : zoom) EXPECT_EQ(ZoomCoordinate(coordinate), kept) << coordinate;
}

}  // namespace
}  // namespace wavorin::dialog
