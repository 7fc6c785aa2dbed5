#include <gtest/gtest.h>

#include "host/controls/Colour.h"

namespace wavorin::controls {
namespace {

TEST(SplitColour, ChannelsComeFromTheLowThreeBytes)
{
    const Channels c = SplitColour(Rgb(12, 34, 56));
    EXPECT_EQ(c.red, 12);
    EXPECT_EQ(c.green, 34);
    EXPECT_EQ(c.blue, 56);
}

TEST(SplitColour, NegativeValuesDivideTowardZero)
{
    // GDI's invalid colour 0xFFFFFFFF: -1 / 256 truncates to 0, so only red is 255.
    const Channels invalid = SplitColour(-1);
    EXPECT_EQ(invalid.red, 255);
    EXPECT_EQ(invalid.green, 0);
    EXPECT_EQ(invalid.blue, 0);
    // -65536 / 256 = -256 -> 0x00 green; -65536 / 65536 = -1 -> 0xFF blue.
    const Channels c = SplitColour(-65536);
    EXPECT_EQ(c.red, 0);
    EXPECT_EQ(c.green, 0);
    EXPECT_EQ(c.blue, 255);
}

TEST(MixColour, StepsFromTheFirstColourTowardTheSecondInIntegerSteps)
{
    const Colour dark = Rgb(100, 100, 100);
    const Colour light = Rgb(224, 224, 224);
    int expected = 100;
    for (std::int16_t q = 0; q <= 5; ++q, expected += 24) {
        EXPECT_EQ(MixColour(dark, light, 5, q), Rgb(expected, expected, expected)) << q;
    }
}

TEST(MixColour, TruncatesEachChannelsQuotientTowardZero)
{
    // Per channel: d = a - b; a - (d div p) * q.
    EXPECT_EQ(MixColour(Rgb(0, 0, 0), Rgb(224, 199, 7), 100, 50), Rgb(100, 50, 0));
    EXPECT_EQ(MixColour(Rgb(0, 0, 0), Rgb(224, 224, 224), 100, 100), Rgb(200, 200, 200));
    EXPECT_EQ(MixColour(Rgb(200, 10, 0), Rgb(224, 3, 0), 5, 5), Rgb(220, 5, 0));
}

TEST(MixColour, StepsBeyondTheSecondColourWrapInsteadOfOverflowing)
{
    // Each channel is -65334; packed as 32 bits: -65334 * 65793 mod 2^32.
    EXPECT_EQ(MixColour(Rgb(0, 0, 0), Rgb(224, 224, 224), 100, -32667), -3552566);
}

TEST(RoundHalfEven, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(RoundHalfEven(0.5), 0);
    EXPECT_EQ(RoundHalfEven(1.5), 2);
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(RoundHalfEven(-2.4), -2);
}

TEST(TwipsToPixels, DividesByTwipsPerPixelAndRoundsHalfToEven)
{
    EXPECT_EQ(TwipsToPixels(7515, 15), 501);
    EXPECT_EQ(TwipsToPixels(100, 15), 7);     // 6.67
    EXPECT_EQ(TwipsToPixels(22.5, 15), 2);    // 1.5
    EXPECT_EQ(TwipsToPixels(37.5, 15), 2);    // 2.5
    EXPECT_EQ(TwipsToPixels(1440, 12), 120);  // 120 dots per inch
}

TEST(TwipsToPixels, SaturatesAtTheSixteenBitRange)
{
    EXPECT_EQ(TwipsToPixels(1e9, 15), 32767);
    EXPECT_EQ(TwipsToPixels(-1e9, 15), -32768);
}

TEST(GradientRowColour, EndRowsAreTheTwoColoursExactly)
{
    const Colour top = Rgb(252, 252, 251);
    const Colour bottom = Rgb(236, 235, 230);
    for (int n : {1, 7, 28, 200}) {
        EXPECT_EQ(GradientRowColour(top, bottom, n, 0), bottom) << n;
        EXPECT_EQ(GradientRowColour(top, bottom, n, n), top) << n;
    }
}

TEST(GradientRowColour, ChannelsRunIndependentlyAndMonotonically)
{
    const Colour top = Rgb(225, 223, 156);
    const Colour bottom = Rgb(255, 182, 48);
    Channels previous = SplitColour(bottom);
    for (int i = 1; i <= 28; ++i) {
        const Channels row = SplitColour(GradientRowColour(top, bottom, 28, i));
        EXPECT_LE(row.red, previous.red);
        EXPECT_GE(row.green, previous.green);
        EXPECT_GE(row.blue, previous.blue);
        previous = row;
    }
}

TEST(GradientRowColour, ExactHalvesRoundToEven)
{
    EXPECT_EQ(GradientRowColour(Rgb(1, 3, 5), Rgb(0, 0, 0), 2, 1), Rgb(0, 2, 2));  // 0.5, 1.5, 2.5
}

TEST(GradientRowColour, ComputesInSinglePrecision)
{
    // 31 / 14 * 7 is 15.5 exactly, but in single precision 15.499999: it rounds down. With
    // 57 the single-precision error goes the other way (28.500002) and rounds up.
    EXPECT_EQ(GradientRowColour(Rgb(31, 57, 0), Rgb(0, 0, 0), 14, 7), Rgb(15, 29, 0));
}

}  // namespace
}  // namespace wavorin::controls
