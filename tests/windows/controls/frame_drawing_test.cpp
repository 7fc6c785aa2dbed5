// The frame panel's face drawn by GDI and read back pixel by pixel.

#include <gtest/gtest.h>

#include <vector>

#include "TestWindows.h"
#include "host/controls/FramePainter.h"
#include "host/controls/FrameShadow.h"

namespace wavorin::controls {
namespace {

using testing::Pixel;
using testing::PixelAt;

constexpr Colour kGrey = Rgb(224, 224, 224);
constexpr Pixel kGreyPixel{224, 224, 224};
constexpr Pixel kBlack{0, 0, 0};

Pixel Grey(int level)
{
    return {level, level, level};
}

// The settings dialog's panel: 501 x 173, every property at its default.
class FrameDrawingTest : public ::testing::Test {
protected:
    static constexpr int kW = 501;
    static constexpr int kH = 173;

    void SetUp() override { ASSERT_TRUE(image.Resize(kW, kH)); }
    void Draw() { DrawFrame(image, panel, FrameBackground(panel, kGrey), kW, kH, kW, kH); }
    Pixel At(int x, int y) const { return PixelAt(image, x, y); }

    FramePanelProperties panel = DefaultFramePanel(kGrey);
    RetainedImage image;
};

TEST_F(FrameDrawingTest, ShadowOutlinesStepFrom100To220)
{
    ClearFace(image.dc(), kW, kH, kGrey);
    DrawShadowOutlines(image.dc(), panel, kGrey, kW, kH);
    // Outline i has its right edge at x = W - 6 + i and its bottom edge at y = H - 6 + i.
    const int levels[] = {100, 124, 148, 172, 196, 220};
    for (int i = 0; i <= 5; ++i) {
        EXPECT_EQ(At(kW - 6 + i, kH / 2), Grey(levels[i])) << i;
        EXPECT_EQ(At(kW / 2, kH - 6 + i), Grey(levels[i])) << i;
        EXPECT_EQ(At(10 - i, kH / 2), Grey(levels[i])) << i;  // left edges, later under the frame
    }
}

TEST_F(FrameDrawingTest, TheDialogsPanelShowsFiveShadowStepsBelowAndRightOfItsFrame)
{
    Draw();
    // The frame: black outline from (0, 0) to (W - 6, H - 6), filled with the background.
    EXPECT_EQ(At(0, 0), kBlack);
    EXPECT_EQ(At(kW - 6, kH / 2), kBlack);  // covers the darkest shadow step
    EXPECT_EQ(At(kW / 2, kH - 6), kBlack);
    EXPECT_EQ(At(kW / 2, kH / 2), kGreyPixel);
    const int levels[] = {124, 148, 172, 196, 220};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(At(kW - 5 + i, kH / 2), Grey(levels[i])) << i;
        EXPECT_EQ(At(kW / 2, kH - 5 + i), Grey(levels[i])) << i;
    }
    // The outermost (lightest) outline starts at (depth, depth): above and left of it, the
    // background.
    EXPECT_EQ(At(kW - 1, 4), kGreyPixel);
    EXPECT_EQ(At(kW - 1, 5), Grey(220));
    EXPECT_EQ(At(4, kH - 1), kGreyPixel);
    EXPECT_EQ(At(5, kH - 1), Grey(220));
}

TEST_F(FrameDrawingTest, OpacityHundredMakesTheShadowBlack)
{
    panel.shadowOpacity = 100;
    ClearFace(image.dc(), kW, kH, kGrey);
    DrawShadowOutlines(image.dc(), panel, kGrey, kW, kH);
    EXPECT_EQ(At(kW - 6, kH / 2), kBlack);
    Draw();
    EXPECT_EQ(At(kW - 5, kH / 2), Grey(44));  // 0 + 1 * 44
    EXPECT_EQ(At(kW - 1, kH / 2), Grey(220));
}

TEST_F(FrameDrawingTest, OpacityZeroStillStepsFromTheHundredthsOfTheBackground)
{
    panel.shadowOpacity = 0;
    ClearFace(image.dc(), kW, kH, kGrey);
    DrawShadowOutlines(image.dc(), panel, kGrey, kW, kH);
    EXPECT_EQ(At(kW - 6, kH / 2), Grey(200));  // (224 div 100) * 100
    Draw();
    EXPECT_EQ(At(kW - 5, kH / 2), Grey(204));
}

TEST_F(FrameDrawingTest, StyleTwoDrawsOnlyTheBackground)
{
    panel.frameStyle = 2;
    panel.backColourIs = 1;
    panel.backColour = Rgb(10, 20, 30);
    Draw();
    EXPECT_EQ(testing::CountPixels(image, Pixel{10, 20, 30}), kW * kH);
}

TEST_F(FrameDrawingTest, WithoutShadowTheFrameFillsTheWholeControl)
{
    panel.showShadow = false;
    panel.fillColour = Rgb(255, 255, 255);
    panel.borderColour = Rgb(0, 0, 128);
    Draw();
    for (auto [x, y] : {std::pair{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}, {kW - 1, kH / 2}}) {
        EXPECT_EQ(At(x, y), (Pixel{0, 0, 128})) << x << ", " << y;
    }
    EXPECT_EQ(At(kW / 2, kH / 2), (Pixel{255, 255, 255}));
}

TEST_F(FrameDrawingTest, RoundedCornersLeaveTheCornerPixelsToTheBackground)
{
    panel.frameStyle = kRoundedFrame;
    Draw();
    EXPECT_EQ(At(0, 0), kGreyPixel);
    EXPECT_EQ(At(kW / 2, 0), kBlack);
    EXPECT_EQ(At(0, kH / 2), kBlack);
}

TEST_F(FrameDrawingTest, SmoothingFillsTheHolesBetweenRoundedOutlines)
{
    panel.frameStyle = kRoundedFrame;
    ClearFace(image.dc(), kW, kH, kGrey);
    DrawShadowOutlines(image.dc(), panel, kGrey, kW, kH);
    std::vector<Pixel> before;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) before.push_back(At(x, y));
    }
    ImageSurface surface(image);
    SmoothShadowCorners(surface, kGrey, kW, kH, panel.shadowDepth, panel.cornerDepth);

    const auto regions = SmoothingRegions(kW, kH, panel.shadowDepth, panel.cornerDepth);
    int changed = 0, changedOutsideRegions = 0;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            if (At(x, y) == before[static_cast<std::size_t>(y) * kW + x]) continue;
            ++changed;
            EXPECT_EQ(before[static_cast<std::size_t>(y) * kW + x], kGreyPixel) << x << ", " << y;
            bool inRegion = false;
            for (const PixelRegion& r : regions) inRegion |= x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
            changedOutsideRegions += !inRegion;
        }
    }
    EXPECT_GT(changed, 0) << "concentric rounded outlines leave gaps that the smoothing fills";
    EXPECT_EQ(changedOutsideRegions, 0);
}

TEST_F(FrameDrawingTest, ARoundedFrameWithCornerZeroIsTheSquareFrame)
{
    panel.frameStyle = kRoundedFrame;
    panel.cornerDepth = 0;
    Draw();
    RetainedImage square;
    ASSERT_TRUE(square.Resize(kW, kH));
    FramePanelProperties squarePanel = panel;
    squarePanel.frameStyle = kSquareFrame;
    DrawFrame(square, squarePanel, kGrey, kW, kH, kW, kH);
    int differences = 0;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) differences += !(At(x, y) == PixelAt(square, x, y));
    }
    EXPECT_EQ(differences, 0);
    for (const PixelRegion& region : SmoothingRegions(kW, kH, panel.shadowDepth, 0)) EXPECT_TRUE(region.Empty());
}

TEST_F(FrameDrawingTest, AShadowDepthOfZeroDrawsTheFrameWithoutShadow)
{
    panel.shadowDepth = 0;  // only reachable by setting the field directly
    Draw();
    EXPECT_EQ(At(kW - 1, kH / 2), kBlack);
}

}  // namespace
}  // namespace wavorin::controls
