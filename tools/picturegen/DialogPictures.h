#pragma once
// The settings dialog's pictures, as the files built into the host: the banner frames, the
// option glyphs, the window icon and the banner boxes' cursor.

#include <cstdint>
#include <vector>

namespace wavorin::tools {

inline constexpr int kBannerWidth = 120;
inline constexpr int kBannerHeight = 50;
inline constexpr int kBannerFrames = 24;
inline constexpr int kGlyphSide = 12;

using Bytes = std::vector<std::uint8_t>;

// All 24 frames one below the other (frame 1 at the top), a 24-bit BMP file of 120 x 1200:
// a ring that turns once over the loop while a bright spark runs through it.
Bytes MakeBannerStrip();
// The option glyph, a 24-bit BMP file: an empty round option, or one with its dot.
Bytes MakeOptionGlyph(bool selected);
// A 32 x 32 icon file of 256 colours: the ring on black.
Bytes MakeIcon();
// A 32 x 32 monochrome cursor file: an arrow with a small ring, hot spot at its tip.
Bytes MakeBannerCursor();

}  // namespace wavorin::tools
