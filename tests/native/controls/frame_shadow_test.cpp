// The colour arithmetic of faces and frame shadows, and the smoothing of rounded shadows.

#include <gtest/gtest.h>

#include <vector>

#include "host/controls/FrameShadow.h"

namespace wavorin::controls {
namespace {

constexpr Colour kGrey = Rgb(224, 224, 224);

TEST(Colour, RoundsHalfToEvenAndRunsGradientsInSinglePrecision)
{
    for (auto [value, rounded] : {std::pair{0.5, 0.0}, {1.5, 2.0}, {2.5, 2.0}, {-0.5, 0.0}, {-1.5, -2.0}, {2.5000001, 3.0}, {-2.4, -2.0}}) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    }
    for (auto [twips, perPixel, pixels] : {std::tuple{7515.0, 15.0, 501}, {100.0, 15.0, 7}, {22.5, 15.0, 2}, {37.5, 15.0, 2},
                                           {1440.0, 12.0, 120}, {1e9, 15.0, 32767}, {-1e9, 15.0, -32768}}) {
        EXPECT_EQ(TwipsToPixels(twips, perPixel), pixels) << twips;
    }
    // Rows from the bottom colour (row 0) to the top colour (row n), per channel.
    for (auto [top, bottom, n, i, colour] : {std::tuple{Rgb(225, 223, 156), Rgb(255, 182, 48), 28, 2, Rgb(253, 185, 56)},
                                             {Rgb(1, 3, 5), Rgb(0, 0, 0), 2, 1, Rgb(0, 2, 2)},  // 0.5, 1.5, 2.5
                                             // 31 / 14 * 7 is 15.499999 in single precision, 57 / 14 * 7 is 28.500002.
                                             {Rgb(31, 57, 0), Rgb(0, 0, 0), 14, 7, Rgb(15, 29, 0)}}) {
        EXPECT_EQ(GradientRowColour(top, bottom, n, i), colour) << n << ", " << i;
    }
}

// The steps out from the darkest shadow on the dialog's grey are read back from GDI under Wine
// (FrameFace.EveryDrawingShowsItsColours); here a coloured background and an opacity out of range.
TEST(ShadowColours, MixBlackTowardTheBackgroundByOpacity)
{
    EXPECT_EQ(DarkestShadow(Rgb(255, 99, 0), 25), Rgb(150, 0, 0));
    EXPECT_EQ(DarkestShadow(kGrey, 32767), -3552566);  // a stored opacity far out of range wraps, no overflow
}

struct MemorySurface final : PixelSurface {
    MemorySurface(int size, Colour fill) : size(size), pixels(size * size, fill) {}
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < size && y < size; }
    Colour Get(int x, int y) const override { return Inside(x, y) ? pixels[y * size + x] : kInvalidPixel; }
    void Set(int x, int y, Colour colour) override { Inside(x, y) ? void(pixels[y * size + x] = colour) : void(); ++writes; }
    int size, writes = 0;
    std::vector<Colour> pixels;
};

TEST(SmoothShadowCorners, FillsExactBackgroundPixelsInTheRegionsWithTheRoundedAverageOfTheirNeighbours)
{
    const auto r = SmoothingRegions(501, 173, 5, 10);
    EXPECT_EQ((std::vector<int>{r[0].left, r[0].right, r[0].top, r[0].bottom, r[1].left, r[1].right, r[1].top, r[1].bottom,
                                r[2].left, r[2].right, r[2].top, r[2].bottom}),
              (std::vector<int>{481, 498, 153, 170, 481, 498, 5, 20, 5, 20, 153, 170}));
    MemorySurface square(60, kGrey);  // a square corner smooths nothing
    SmoothShadowCorners(square, kGrey, 60, 60, 5, 0);
    EXPECT_EQ(square.writes, 0);

    // Holes in a 40 x 40 face of `fill`: {fill, {x, y, colour} set before, {x, y, colour} expected after};
    // region 0 spans 20..37 each way.
    using Pixels = std::vector<std::tuple<int, int, Colour>>;
    const std::tuple<Colour, Pixels, Pixels> kHoles[] = {
        // red 5 / 4 = 1.25 -> 1; green 6 / 4 = 1.5 -> 2; blue 7 / 4 = 1.75 -> 2.
        {Rgb(10, 20, 30), {{35, 35, kGrey}, {35, 34, Rgb(1, 0, 0)}, {36, 35, Rgb(2, 0, 0)}, {35, 36, Rgb(2, 0, 0)}, {34, 35, Rgb(0, 6, 7)}},
         {{35, 35, Rgb(1, 2, 2)}}},
        {Rgb(0, 0, 0), {{30, 30, kGrey}, {30, 29, Rgb(2, 10, 2)}}, {{30, 30, Rgb(0, 2, 0)}}},  // 0.5 -> 0, 2.5 -> 2, 0.5 -> 0
        // One unit off the background is left alone.
        {Rgb(100, 100, 100), {{30, 30, Rgb(224, 224, 225)}, {31, 30, Rgb(225, 224, 224)}},
         {{30, 30, Rgb(224, 224, 225)}, {31, 30, Rgb(225, 224, 224)}}},
        // x outer, y inner: (30, 30) is filled first ((80 * 3 + 224) / 4) and feeds (30, 31).
        {Rgb(80, 80, 80), {{30, 30, kGrey}, {30, 31, kGrey}}, {{30, 30, Rgb(116, 116, 116)}, {30, 31, Rgb(89, 89, 89)}}},
    };
    for (const auto& [fill, before, after] : kHoles) {
        MemorySurface surface(40, fill);
        for (auto [x, y, colour] : before) surface.Set(x, y, colour);
        SmoothShadowCorners(surface, kGrey, 40, 40, 2, 10);
        for (auto [x, y, colour] : after) EXPECT_EQ(surface.Get(x, y), colour) << x << ", " << y;
    }
}

}  // namespace
}  // namespace wavorin::controls
