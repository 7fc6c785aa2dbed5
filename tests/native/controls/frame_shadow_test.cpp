#include <gtest/gtest.h>

#include <vector>

#include "host/controls/FrameShadow.h"

namespace wavorin::controls {
namespace {

constexpr Colour kGrey = Rgb(224, 224, 224);

class MemorySurface final : public PixelSurface {
public:
    MemorySurface(int width, int height, Colour fill) : width_(width), height_(height), pixels_(width * height, fill) {}

    Colour Get(int x, int y) const override { return Inside(x, y) ? pixels_[y * width_ + x] : kInvalidPixel; }
    void Set(int x, int y, Colour colour) override
    {
        if (Inside(x, y)) pixels_[y * width_ + x] = colour;
        ++writes;
    }
    int writes = 0;

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
    int width_;
    int height_;
    std::vector<Colour> pixels_;
};

TEST(DarkestShadow, MixesBlackTowardTheBackgroundByOpacity)
{
    EXPECT_EQ(DarkestShadow(kGrey, 50), Rgb(100, 100, 100));
    EXPECT_EQ(DarkestShadow(kGrey, 100), Rgb(0, 0, 0));
    EXPECT_EQ(DarkestShadow(kGrey, 0), Rgb(200, 200, 200));
    EXPECT_EQ(DarkestShadow(Rgb(255, 99, 0), 25), Rgb(150, 0, 0));
}

TEST(ShadowStepColour, TheDialogsShadowRunsFrom100To220)
{
    const Colour darkest = DarkestShadow(kGrey, 50);
    const int expected[] = {100, 124, 148, 172, 196, 220};
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(ShadowStepColour(darkest, kGrey, 5, i), Rgb(expected[i], expected[i], expected[i])) << i;
    }
}

TEST(SmoothingRegions, CoverTheCornerAndTheShadowsTwoStarts)
{
    const auto regions = SmoothingRegions(501, 173, 5, 10);
    EXPECT_EQ(regions[0].left, 481);
    EXPECT_EQ(regions[0].right, 498);
    EXPECT_EQ(regions[0].top, 153);
    EXPECT_EQ(regions[0].bottom, 170);
    EXPECT_EQ(regions[1].top, 5);
    EXPECT_EQ(regions[1].bottom, 20);
    EXPECT_EQ(regions[2].left, 5);
    EXPECT_EQ(regions[2].right, 20);
    for (const PixelRegion& region : regions) EXPECT_FALSE(region.Empty());
}

TEST(SmoothingRegions, ASquareCornerLeavesAllThreeEmpty)
{
    for (const PixelRegion& region : SmoothingRegions(501, 173, 5, 0)) EXPECT_TRUE(region.Empty());
}

TEST(SmoothShadowCorners, ASquareCornerChangesNothing)
{
    MemorySurface surface(60, 40, kGrey);
    SmoothShadowCorners(surface, kGrey, 60, 40, 5, 0);
    EXPECT_EQ(surface.writes, 0);
}

TEST(SmoothShadowCorners, FillsAHoleWithTheAverageOfItsNeighbours)
{
    MemorySurface surface(40, 40, Rgb(10, 20, 30));
    surface.Set(35, 35, kGrey);        // the hole, inside region 0 (x, y from 20 to 37)
    surface.Set(35, 34, Rgb(1, 0, 0));   // above
    surface.Set(36, 35, Rgb(2, 0, 0));   // right
    surface.Set(35, 36, Rgb(2, 0, 0));   // below
    surface.Set(34, 35, Rgb(0, 0, 7));   // left
    SmoothShadowCorners(surface, kGrey, 40, 40, 2, 10);
    // red 5 / 4 = 1.25 -> 1; green 0; blue 7 / 4 = 1.75 -> 2
    EXPECT_EQ(surface.Get(35, 35), Rgb(1, 0, 2));
}

TEST(SmoothShadowCorners, AveragesRoundHalvesToEven)
{
    MemorySurface surface(40, 40, Rgb(0, 0, 0));
    surface.Set(30, 30, kGrey);
    surface.Set(30, 29, Rgb(2, 6, 0));  // red 2 / 4 = 0.5 -> 0; green 6 / 4 = 1.5 -> 2
    SmoothShadowCorners(surface, kGrey, 40, 40, 2, 10);
    EXPECT_EQ(surface.Get(30, 30), Rgb(0, 2, 0));
}

TEST(SmoothShadowCorners, OnlyTheExactBackgroundIsFilled)
{
    MemorySurface surface(40, 40, Rgb(100, 100, 100));
    surface.Set(30, 30, Rgb(224, 224, 225));
    surface.Set(31, 30, Rgb(225, 224, 224));
    SmoothShadowCorners(surface, kGrey, 40, 40, 2, 10);
    EXPECT_EQ(surface.Get(30, 30), Rgb(224, 224, 225));
    EXPECT_EQ(surface.Get(31, 30), Rgb(225, 224, 224));
}

TEST(SmoothShadowCorners, FilledPixelsFeedTheirLaterNeighbours)
{
    // Two holes one above the other: x outer, y inner, so (30, 30) is filled first and then
    // counts as the upper neighbour of (30, 31).
    MemorySurface surface(40, 40, Rgb(80, 80, 80));
    surface.Set(30, 30, kGrey);
    surface.Set(30, 31, kGrey);
    SmoothShadowCorners(surface, kGrey, 40, 40, 2, 10);
    // (30, 30): 80, 80, grey 224, 80 -> 116; (30, 31): 116, 80, 80, 80 -> 89
    EXPECT_EQ(surface.Get(30, 30), Rgb(116, 116, 116));
    EXPECT_EQ(surface.Get(30, 31), Rgb(89, 89, 89));
}

TEST(SmoothShadowCorners, NeighboursOutsideTheFaceCountAsInvalidPixels)
{
    // A face narrower than two corners: region 0 starts left of the face. Reading outside
    // gives GDI's invalid colour, which splits as red 255.
    MemorySurface surface(6, 6, kGrey);
    SmoothShadowCorners(surface, kGrey, 6, 6, 2, 4);
    // (0, 0) is filled first from above (invalid: 255, 0, 0), right and below (grey) and
    // left (invalid): red (255 + 224 + 224 + 255) / 4 = 239.5 -> 240, green and blue 112.
    EXPECT_EQ(surface.Get(0, 0), Rgb(240, 112, 112));
}

}  // namespace
}  // namespace wavorin::controls
