#include "host/controls/Colour.h"

#include <cmath>
#include <limits>

namespace wavorin::controls {
namespace {

int Channel(Colour c, int shift)
{
    // Signed division, not a shift: the controls' colour arithmetic truncates toward zero.
    const std::int32_t divisor = std::int32_t{1} << shift;
    return (c / divisor) & 0xFF;
}

float SingleChannel(Colour c, int shift)
{
    return static_cast<float>(Channel(c, shift));
}

int RoundedChannel(float value)
{
    return static_cast<int>(std::nearbyint(value));
}

}  // namespace

double RoundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double fraction = value - floor;
    if (fraction > 0.5) return floor + 1;
    if (fraction < 0.5) return floor;
    return std::fmod(floor, 2.0) == 0 ? floor : floor + 1;
}

Channels SplitColour(Colour c)
{
    return {static_cast<double>(Channel(c, 0)), static_cast<double>(Channel(c, 8)),
            static_cast<double>(Channel(c, 16))};
}

Colour MixColour(Colour a, Colour b, std::int16_t p, std::int16_t q)
{
    auto mix = [&](int shift) -> std::int64_t {
        const int d = Channel(a, shift) - Channel(b, shift);
        const int t = d / p * q;
        return Channel(a, shift) - t;
    };
    // With q outside 0..p a channel leaves 0..255; the packed value then wraps like any
    // 32-bit colour instead of overflowing.
    const std::int64_t packed = mix(0) + 256 * mix(8) + 65536 * mix(16);
    return static_cast<Colour>(static_cast<std::uint32_t>(packed & 0xFFFFFFFF));
}

std::int16_t TwipsToPixels(double twips, double twipsPerPixel)
{
    const double pixels = RoundHalfEven(twips / twipsPerPixel);
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    if (!(pixels >= low)) return std::numeric_limits<std::int16_t>::min();
    if (pixels > high) return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(pixels);
}

Colour GradientRowColour(Colour top, Colour bottom, int n, int i)
{
    // Every step is stored in a float so that an x87 build rounds exactly where SSE does.
    const float rows = static_cast<float>(n);
    const float row = static_cast<float>(i);
    auto channel = [&](int shift) {
        const float from = SingleChannel(bottom, shift);
        const float difference = SingleChannel(top, shift) - from;
        const float step = difference / rows;
        const float offset = row * step;
        const float value = offset + from;
        return RoundedChannel(value);
    };
    return Rgb(channel(0), channel(8), channel(16));
}

}  // namespace wavorin::controls
