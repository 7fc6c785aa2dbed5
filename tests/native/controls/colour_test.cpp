#include <gtest/gtest.h>

#include "host/controls/Colour.h"

namespace wavorin::controls {
namespace {

TEST(SplitColour, ChannelsComeFromTheLowThreeBytesDividingTowardZero)
{
    // -1 (GDI's invalid colour) / 256 truncates to 0: only red is 255; -65536 gives blue 255.
    for (auto [colour, r, g, b] : {std::tuple{Rgb(12, 34, 56), 12, 34, 56}, {-1, 255, 0, 0}, {-65536, 0, 0, 255}}) {
        const Channels c = SplitColour(colour);
        EXPECT_EQ((std::tuple{c.red, c.green, c.blue}), (std::tuple<double, double, double>{r, g, b})) << colour;
    }
}

TEST(MixColour, StepsTowardTheSecondColourTruncatingEachQuotient)
{
    for (std::int16_t q = 0; q <= 5; ++q) {
        EXPECT_EQ(MixColour(Rgb(100, 100, 100), Rgb(224, 224, 224), 5, q), Rgb(100 + 24 * q, 100 + 24 * q, 100 + 24 * q));
    }
    EXPECT_EQ(MixColour(Rgb(0, 0, 0), Rgb(224, 199, 7), 100, 50), Rgb(100, 50, 0));
    EXPECT_EQ(MixColour(Rgb(200, 10, 0), Rgb(224, 3, 0), 5, 5), Rgb(220, 5, 0));
    EXPECT_EQ(MixColour(Rgb(0, 0, 0), Rgb(224, 224, 224), 100, -32667), -3552566);  // wraps, no overflow
}

TEST(Rounding, HalvesGoToTheEvenNeighbourAndPixelsSaturate)
{
    for (auto [value, rounded] : {std::pair{0.5, 0.0}, {1.5, 2.0}, {2.5, 2.0}, {-0.5, 0.0}, {-1.5, -2.0}, {2.5000001, 3.0}, {-2.4, -2.0}}) {
        EXPECT_EQ(RoundHalfEven(value), rounded) << value;
    }
    for (auto [twips, perPixel, pixels] : {std::tuple{7515.0, 15.0, 501}, {100.0, 15.0, 7}, {22.5, 15.0, 2}, {37.5, 15.0, 2},
                                           {1440.0, 12.0, 120}, {1e9, 15.0, 32767}, {-1e9, 15.0, -32768}}) {
        EXPECT_EQ(TwipsToPixels(twips, perPixel), pixels) << twips;
    }
}

TEST(GradientRowColour, RunsFromBottomToTopPerChannelInSinglePrecision)
{
    for (int n : {1, 7, 28}) {
        EXPECT_EQ(GradientRowColour(Rgb(252, 252, 251), Rgb(236, 235, 230), n, 0), Rgb(236, 235, 230)) << n;
        EXPECT_EQ(GradientRowColour(Rgb(252, 252, 251), Rgb(236, 235, 230), n, n), Rgb(252, 252, 251)) << n;
    }
    EXPECT_EQ(GradientRowColour(Rgb(225, 223, 156), Rgb(255, 182, 48), 28, 2), Rgb(253, 185, 56));
    EXPECT_EQ(GradientRowColour(Rgb(1, 3, 5), Rgb(0, 0, 0), 2, 1), Rgb(0, 2, 2));  // 0.5, 1.5, 2.5
    // 31 / 14 * 7 is 15.499999 in single precision, 57 / 14 * 7 is 28.500002.
    EXPECT_EQ(GradientRowColour(Rgb(31, 57, 0), Rgb(0, 0, 0), 14, 7), Rgb(15, 29, 0));
}

}  // namespace
}  // namespace wavorin::controls
