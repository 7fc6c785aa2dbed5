#pragma once
// Colour arithmetic of the dialog controls. Colours are 0x00BBGGRR values (red in the low
// byte), handled as signed 32-bit integers the way the controls store them.

#include <cstdint>

namespace wavorin::controls {

using Colour = std::int32_t;

constexpr Colour Rgb(int red, int green, int blue)
{
    return red + 256 * green + 65536 * blue;
}

struct Channels {
    double red = 0;
    double green = 0;
    double blue = 0;
};

// The nearest integer, halves to the even neighbour.
double RoundHalfEven(double value);

// red = c and 0xFF, green = (c / 256) and 0xFF, blue = (c / 65536) and 0xFF, with a signed
// division that truncates toward zero (so an invalid colour such as -1 splits as 255, 0, 0).
Channels SplitColour(Colour c);

// Per channel a - (a - b) div p * q (div truncating toward zero): q = 0 gives a, and with
// 0 <= q <= p the result steps toward b in equal integer steps. p must not be 0.
Colour MixColour(Colour a, Colour b, std::int16_t p, std::int16_t q);

// A length in twips as pixels: divided by the twips per pixel, nearest integer (halves to
// even), saturated to the 16-bit range.
std::int16_t TwipsToPixels(double twips, double twipsPerPixel);

// Row i (0 = the bottom row) of an n-row vertical gradient from `top` down to `bottom`: each
// channel is i * ((top - bottom) / n) + bottom in single precision, rounded half to even.
// Row n gives `top` exactly. n must be positive.
Colour GradientRowColour(Colour top, Colour bottom, int n, int i);

}  // namespace wavorin::controls
