#pragma once
// The frame panel's drop shadow: its colours and the filling of the holes that concentric
// rounded outlines leave in it.

#include <array>
#include <cstdint>

#include "host/controls/Colour.h"

namespace wavorin::controls {

// The innermost (darkest) shadow colour: black mixed toward the background by 100 - opacity
// percent, per channel (bg div 100) * (100 - opacity).
Colour DarkestShadow(Colour background, std::int16_t opacity);

// The colour of shadow outline i (0 = innermost, darkest) of `depth` steps toward the background.
Colour ShadowStepColour(Colour darkest, Colour background, std::int16_t depth, int i);

// Pixels of a face: reading outside it gives kInvalidPixel, writing outside it does nothing.
class PixelSurface {
public:
    virtual Colour Get(int x, int y) const = 0;
    virtual void Set(int x, int y, Colour colour) = 0;

protected:
    ~PixelSurface() = default;
};

inline constexpr Colour kInvalidPixel = -1;  // what GDI's GetPixel answers outside a bitmap

// An inclusive range of pixels; empty when a start lies above its end.
struct PixelRegion {
    int left = 0;
    int right = -1;
    int top = 0;
    int bottom = -1;
};

// The three regions the smoothing scans on a face of innerWidth x innerHeight pixels: the
// lower right corner, the upper right where the shadow begins, the lower left where it begins.
std::array<PixelRegion, 3> SmoothingRegions(int innerWidth, int innerHeight, int shadowDepth, int cornerDepth);

// Fills, region by region, x outer and y inner ascending, every pixel that has exactly the
// background colour with the average of its four neighbours (above, right, below, left),
// each channel rounded half to even. Filled pixels count for the later ones.
void SmoothShadowCorners(PixelSurface& surface, Colour background, int innerWidth, int innerHeight,
                         int shadowDepth, int cornerDepth);

}  // namespace wavorin::controls
