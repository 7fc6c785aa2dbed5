#pragma once
// The XP-style button's faces and the colours each one is drawn with.

#include <array>
#include <cstdint>

#include "host/controls/Colour.h"

namespace wavorin::controls {

// The face a button shows; the numbers are the button's State values.
enum class Face : std::int32_t {
    Disabled = 0,
    Normal = 1,
    Focused = 2,  // also the look of the container's default button
    Hot = 3,      // the mouse pointer is over it
    Pressed = 4,
};

constexpr int kFaceCount = 5;

// One row of colours per face. The disabled and pressed faces are flat, so their line and
// gradient colours are unused (left black).
struct FaceColours {
    Colour border = 0;
    Colour topLine1 = 0;
    Colour topLine2 = 0;
    Colour bottomLine1 = 0;
    Colour bottomLine2 = 0;
    Colour cornerEdge = 0;
    Colour cornerOuter = 0;
    Colour cornerInner = 0;
    Colour gradientTop = 0;
    Colour gradientBottom = 0;
};

using FaceColourTable = std::array<FaceColours, kFaceCount>;

// The table, filled once when a button is created and never changed.
FaceColourTable InitColours();

inline constexpr Colour kDisabledFace = Rgb(245, 244, 234);
inline constexpr Colour kPressedFace = Rgb(231, 227, 222);
inline constexpr Colour kInnerFaceTop = Rgb(252, 252, 251);
inline constexpr Colour kInnerFaceBottom = Rgb(236, 235, 230);
inline constexpr Colour kDisabledCaption = Rgb(161, 161, 146);

}  // namespace wavorin::controls
