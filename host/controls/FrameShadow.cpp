#include "host/controls/FrameShadow.h"

#include <algorithm>
#include <limits>

namespace wavorin::controls {
namespace {

constexpr std::int16_t ToInt16(int value)
{
    return static_cast<std::int16_t>(
        std::clamp(value, int{std::numeric_limits<std::int16_t>::min()}, int{std::numeric_limits<std::int16_t>::max()}));
}

// direction 0 = above, 1 = right, 2 = below, 3 = left; any other direction gives 0.
Colour NeighbourPixel(const PixelSurface& surface, int x, int y, int direction)
{
    switch (direction) {
    case 0: return surface.Get(x, y - 1);
    case 1: return surface.Get(x + 1, y);
    case 2: return surface.Get(x, y + 1);
    case 3: return surface.Get(x - 1, y);
    default: return 0;
    }
}

int AverageChannel(double sum)
{
    return static_cast<int>(RoundHalfEven(sum / 4.0));
}

}  // namespace

Colour DarkestShadow(Colour background, std::int16_t opacity)
{
    return MixColour(Rgb(0, 0, 0), background, 100, ToInt16(100 - opacity));
}

Colour ShadowStepColour(Colour darkest, Colour background, std::int16_t depth, int i)
{
    return MixColour(darkest, background, depth, ToInt16(i));
}

std::array<PixelRegion, 3> SmoothingRegions(int innerWidth, int innerHeight, int shadowDepth, int cornerDepth)
{
    const int cornerLeft = innerWidth - 2 * cornerDepth;
    const int cornerTop = innerHeight - 2 * cornerDepth;
    return {{
        {cornerLeft, innerWidth - 3, cornerTop, innerHeight - 3},
        {cornerLeft, innerWidth - 3, shadowDepth, 4 * shadowDepth},
        {shadowDepth, 4 * shadowDepth, cornerTop, innerHeight - 3},
    }};
}

void SmoothShadowCorners(PixelSurface& surface, Colour background, int innerWidth, int innerHeight,
                         int shadowDepth, int cornerDepth)
{
    for (const PixelRegion& region : SmoothingRegions(innerWidth, innerHeight, shadowDepth, cornerDepth)) {
        for (int x = region.left; x <= region.right; ++x) {
            for (int y = region.top; y <= region.bottom; ++y) {
                if (surface.Get(x, y) != background) continue;
                double red = 0, green = 0, blue = 0;
                for (int direction = 0; direction < 4; ++direction) {
                    const Channels neighbour = SplitColour(NeighbourPixel(surface, x, y, direction));
                    red += neighbour.red;
                    green += neighbour.green;
                    blue += neighbour.blue;
                }
                surface.Set(x, y, Rgb(AverageChannel(red), AverageChannel(green), AverageChannel(blue)));
            }
        }
    }
}

}  // namespace wavorin::controls
