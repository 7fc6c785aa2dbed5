#pragma once
// A font as the controls store it: face, size in points, weight, character set and style.

#include <cstdint>
#include <string>

namespace wavorin::controls {

struct FontInfo {
    std::string face;  // UTF-8
    double points = 0;
    std::int32_t weight = 400;
    std::int32_t charset = 0;
    std::int32_t style = 0;  // kFontItalic | kFontUnderline | kFontStrikeout

    friend bool operator==(const FontInfo&, const FontInfo&) = default;
};

inline constexpr std::int32_t kFontItalic = 1;
inline constexpr std::int32_t kFontUnderline = 2;
inline constexpr std::int32_t kFontStrikeout = 4;

}  // namespace wavorin::controls
