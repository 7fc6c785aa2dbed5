#include <gtest/gtest.h>

#include <vector>

#include "host/controls/FrameShadow.h"

namespace wavorin::controls {
namespace {

constexpr Colour kGrey = Rgb(224, 224, 224);

class MemorySurface final : public PixelSurface {
public:
    MemorySurface(int size, Colour fill) : size_(size), pixels_(size * size, fill) {}
    Colour Get(int x, int y) const override { return Inside(x, y) ? pixels_[y * size_ + x] : kInvalidPixel; }
    void Set(int x, int y, Colour colour) override
    {
        if (Inside(x, y)) pixels_[y * size_ + x] = colour;
        ++writes;
    }
    int writes = 0;

private:
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < size_ && y < size_; }
    int size_;
    std::vector<Colour> pixels_;
};

TEST(ShadowColours, MixBlackTowardTheBackgroundByOpacityThenStepOut)
{
    EXPECT_EQ(DarkestShadow(kGrey, 100), Rgb(0, 0, 0));
    EXPECT_EQ(DarkestShadow(kGrey, 0), Rgb(200, 200, 200));
    EXPECT_EQ(DarkestShadow(Rgb(255, 99, 0), 25), Rgb(150, 0, 0));
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(ShadowStepColour(DarkestShadow(kGrey, 50), kGrey, 5, i), Rgb(100 + 24 * i, 100 + 24 * i, 100 + 24 * i));
    }
}

TEST(SmoothingRegions, CoverTheCornerAndTheShadowsStartsUnlessTheCornerIsSquare)
{
    const auto r = SmoothingRegions(501, 173, 5, 10);
    EXPECT_EQ((std::vector<int>{r[0].left, r[0].right, r[0].top, r[0].bottom, r[1].left, r[1].right, r[1].top,
                                r[1].bottom, r[2].left, r[2].right, r[2].top, r[2].bottom}),
              (std::vector<int>{481, 498, 153, 170, 481, 498, 5, 20, 5, 20, 153, 170}));
    for (const PixelRegion& region : SmoothingRegions(501, 173, 5, 0)) EXPECT_TRUE(region.Empty());
    MemorySurface surface(60, kGrey);
    SmoothShadowCorners(surface, kGrey, 60, 60, 5, 0);
    EXPECT_EQ(surface.writes, 0);
}

// Holes (pixels of exactly the background) in a 40 x 40 face; region 0 spans 20..37 each way.
struct Holes {
    Colour fill;
    std::vector<std::pair<std::pair<int, int>, Colour>> set;     // before smoothing
    std::vector<std::pair<std::pair<int, int>, Colour>> expect;  // after
};

TEST(SmoothShadowCorners, FillsExactBackgroundPixelsWithTheRoundedAverageOfTheirNeighbours)
{
    const Holes cases[] = {
        // red 5 / 4 = 1.25 -> 1; blue 7 / 4 = 1.75 -> 2.
        {Rgb(10, 20, 30),
         {{{35, 35}, kGrey}, {{35, 34}, Rgb(1, 0, 0)}, {{36, 35}, Rgb(2, 0, 0)}, {{35, 36}, Rgb(2, 0, 0)}, {{34, 35}, Rgb(0, 0, 7)}},
         {{{35, 35}, Rgb(1, 0, 2)}}},
        // red 0.5 -> 0, green 1.5 -> 2.
        {Rgb(0, 0, 0), {{{30, 30}, kGrey}, {{30, 29}, Rgb(2, 6, 0)}}, {{{30, 30}, Rgb(0, 2, 0)}}},
        // One unit off the background is left alone.
        {Rgb(100, 100, 100), {{{30, 30}, Rgb(224, 224, 225)}, {{31, 30}, Rgb(225, 224, 224)}},
         {{{30, 30}, Rgb(224, 224, 225)}, {{31, 30}, Rgb(225, 224, 224)}}},
        // x outer, y inner: (30, 30) is filled first ((80 * 3 + 224) / 4) and feeds (30, 31).
        {Rgb(80, 80, 80), {{{30, 30}, kGrey}, {{30, 31}, kGrey}}, {{{30, 30}, Rgb(116, 116, 116)}, {{30, 31}, Rgb(89, 89, 89)}}},
    };
    for (const Holes& c : cases) {
        MemorySurface surface(40, c.fill);
        for (auto [at, colour] : c.set) surface.Set(at.first, at.second, colour);
        SmoothShadowCorners(surface, kGrey, 40, 40, 2, 10);
        for (auto [at, colour] : c.expect) EXPECT_EQ(surface.Get(at.first, at.second), colour) << at.first << ", " << at.second;
    }
    // A face narrower than two corners: neighbours outside it read as GDI's invalid colour
    // (red 255): (0, 0) becomes ((255 + 224 + 224 + 255) / 4 = 239.5 -> 240, 112, 112).
    MemorySurface narrow(6, kGrey);
    SmoothShadowCorners(narrow, kGrey, 6, 6, 2, 4);
    EXPECT_EQ(narrow.Get(0, 0), Rgb(240, 112, 112));
}

}  // namespace
}  // namespace wavorin::controls
