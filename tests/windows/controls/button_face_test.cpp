// The button's five faces drawn by GDI and read back pixel by pixel.

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "TestWindows.h"
#include "host/controls/ButtonPainter.h"

namespace wavorin::controls {
namespace {

using testing::Pixel;
using testing::PixelAt;
using testing::PixelOf;

constexpr COLORREF kBack = RGB(1, 2, 3);  // never drawn by a face: shows what is left alone

class ButtonFaceTest : public ::testing::TestWithParam<Face> {
protected:
    static constexpr int kW = 113;
    static constexpr int kH = 33;

    void SetUp() override
    {
        ASSERT_TRUE(image.Resize(kW, kH));
        PaintButtonBody(image.dc(), kW, kH, GetParam(), table, kBack);
    }
    const FaceColours& Row() const { return table[static_cast<int>(GetParam())]; }
    Pixel At(int x, int y) const { return PixelAt(image, x, y); }

    FaceColourTable table = InitColours();
    RetainedImage image;
};

TEST_P(ButtonFaceTest, OutlineRunsBetweenTheCornersInTheBorderColour)
{
    const Pixel border = PixelOf(Row().border);
    for (int x : {3, kW / 2, kW - 4}) {
        EXPECT_EQ(At(x, 0), border) << x;
        EXPECT_EQ(At(x, kH - 1), border) << x;
    }
    for (int y : {3, kH / 2, kH - 4}) {
        EXPECT_EQ(At(0, y), border) << y;
        EXPECT_EQ(At(kW - 1, y), border) << y;
    }
}

TEST_P(ButtonFaceTest, TwentyCornerPixelsRoundTheOutline)
{
    const FaceColours& c = Row();
    const int w = kW, h = kH;
    struct Expected {
        int x, y;
        Colour colour;
    };
    const Expected corners[] = {
        {0, 1, c.cornerOuter},         {0, 2, c.cornerEdge},          {1, 0, c.cornerOuter},
        {1, 1, c.cornerInner},         {2, 0, c.cornerEdge},          {w - 1, 1, c.cornerOuter},
        {w - 1, 2, c.cornerEdge},      {w - 2, 0, c.cornerOuter},     {w - 2, 1, c.cornerInner},
        {w - 3, 0, c.cornerEdge},      {0, h - 2, c.cornerOuter},     {0, h - 3, c.cornerEdge},
        {1, h - 1, c.cornerOuter},     {1, h - 2, c.cornerInner},     {2, h - 1, c.cornerEdge},
        {w - 1, h - 2, c.cornerOuter}, {w - 1, h - 3, c.cornerEdge},  {w - 2, h - 1, c.cornerOuter},
        {w - 2, h - 2, c.cornerInner}, {w - 3, h - 1, c.cornerEdge},
    };
    for (const Expected& corner : corners) {
        EXPECT_EQ(At(corner.x, corner.y), PixelOf(corner.colour)) << corner.x << ", " << corner.y;
    }
    // The outermost corner pixels are left to the window's rounded shape.
    for (auto [x, y] : std::array<std::pair<int, int>, 4>{{{0, 0}, {w - 1, 0}, {0, h - 1}, {w - 1, h - 1}}}) {
        EXPECT_EQ(At(x, y), PixelOf(kBack)) << x << ", " << y;
    }
}

using FlatFaceTest = ButtonFaceTest;
using GradientFaceTest = ButtonFaceTest;

TEST_P(FlatFaceTest, OneColourFillsTheInside)
{
    const Pixel flat = PixelOf(GetParam() == Face::Disabled ? kDisabledFace : kPressedFace);
    for (auto [x, y] : std::array<std::pair<int, int>, 5>{{{2, 1}, {1, 3}, {kW / 2, kH / 2}, {kW - 2, kH - 3}, {kW - 3, kH - 2}}}) {
        EXPECT_EQ(At(x, y), flat) << x << ", " << y;
    }
}

TEST_P(GradientFaceTest, LinesAndGradientsInside)
{
    const FaceColours& c = Row();
    // The lines across the top and bottom.
    EXPECT_EQ(At(kW / 2, 1), PixelOf(c.topLine1));
    EXPECT_EQ(At(kW / 2, 2), PixelOf(c.topLine2));
    EXPECT_EQ(At(kW / 2, kH - 3), PixelOf(c.bottomLine1));
    EXPECT_EQ(At(2, kH - 2), PixelOf(c.bottomLine2));
    EXPECT_EQ(At(kW - 3, kH - 2), PixelOf(c.bottomLine2));
    // The state's gradient shows in columns 1, 2 and W-3, W-2; its top row is row 3.
    for (int x : {1, 2, kW - 3, kW - 2}) EXPECT_EQ(At(x, 3), PixelOf(c.gradientTop)) << x;
    // The inner face between them starts with its own top colour.
    for (int x : {3, kW / 2, kW - 4}) EXPECT_EQ(At(x, 3), PixelOf(kInnerFaceTop)) << x;
    // Row 29 of the inner face is step 1 of 27 from (236, 235, 230) toward (252, 252, 251).
    EXPECT_EQ(At(kW / 2, kH - 4), (Pixel{237, 236, 231}));
}

TEST_P(GradientFaceTest, StateGradientNearItsBottom)
{
    // Row 29 is step 2 of 28 from the gradient's bottom colour toward its top colour,
    // rounded half to even; the rows below it are covered by the bottom lines.
    const std::array<Pixel, kFaceCount> expected{{
        {},
        {237, 236, 232},  // (236, 235, 230) -> (252, 252, 251): blue 231.5 -> 232
        {144, 177, 232},  // (140, 174, 231) -> (189, 211, 247): red 143.5 -> 144
        {253, 185, 56},   // (255, 182, 48) -> (225, 223, 156)
        {},
    }};
    const Pixel wanted = expected[static_cast<int>(GetParam())];
    EXPECT_EQ(At(1, kH - 4), wanted);
    EXPECT_EQ(At(kW - 2, kH - 4), wanted);
}

std::string FaceName(const ::testing::TestParamInfo<Face>& face)
{
    static const char* const kNames[] = {"Disabled", "Normal", "Focused", "Hot", "Pressed"};
    return kNames[static_cast<int>(face.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryFace, ButtonFaceTest,
                         ::testing::Values(Face::Disabled, Face::Normal, Face::Focused, Face::Hot, Face::Pressed),
                         FaceName);
INSTANTIATE_TEST_SUITE_P(Flat, FlatFaceTest, ::testing::Values(Face::Disabled, Face::Pressed), FaceName);
INSTANTIATE_TEST_SUITE_P(Gradient, GradientFaceTest, ::testing::Values(Face::Normal, Face::Focused, Face::Hot),
                         FaceName);

TEST(ButtonFaceSmall, AFaceTooShortForAGradientStillGetsItsLinesAndCorners)
{
    // 5 pixels high: the state gradient has no rows (3 to 3) and the inner one a negative
    // height; both are skipped, and the lines and corners are drawn over the back colour.
    RetainedImage image;
    ASSERT_TRUE(image.Resize(20, 5));
    const FaceColourTable table = InitColours();
    PaintButtonBody(image.dc(), 20, 5, Face::Normal, table, kBack);
    EXPECT_EQ(PixelAt(image, 10, 1), PixelOf(table[1].topLine1));
    EXPECT_EQ(PixelAt(image, 10, 2), PixelOf(table[1].bottomLine1));  // row H-3 is row 2
    EXPECT_EQ(PixelAt(image, 1, 1), PixelOf(table[1].cornerInner));
}

TEST(ButtonCaption, DisabledCaptionIsDrawnInItsGrey)
{
    RetainedImage image;
    ASSERT_TRUE(image.Resize(113, 33));
    const FaceColourTable table = InitColours();
    PaintButtonBody(image.dc(), 113, 33, Face::Disabled, table, kBack);
    UniqueFont font = CreateFontFor(FontInfo{"ＭＳ Ｐゴシック", 9.75, 400, 128, 0});
    PaintButtonCaption(image.dc(), 113, 33, L"設定", font.get(), ToColorRef(kDisabledCaption));
    const int caption = testing::CountPixels(image, PixelOf(kDisabledCaption));
    EXPECT_GT(caption, 20);
    EXPECT_EQ(testing::CountPixels(image, Pixel{0, 0, 0}), 0);
}

TEST(ButtonCaption, AccessKeyIsUnderlinedAndDoubledAmpersandShowsOnce)
{
    const FaceColourTable table = InitColours();
    UniqueFont font = CreateFontFor(FontInfo{"Verdana", 8.25, 400, 0, 0});
    auto blackRows = [&](const wchar_t* caption) {
        RetainedImage image;
        image.Resize(113, 33);
        PaintButtonBody(image.dc(), 113, 33, Face::Pressed, table, kBack);
        PaintButtonCaption(image.dc(), 113, 33, caption, font.get(), RGB(0, 0, 0));
        int lowest = -1;  // the lowest row holding black
        for (int y = 0; y < 33; ++y) {
            for (int x = 0; x < 113; ++x) {
                if (PixelAt(image, x, y) == Pixel{0, 0, 0}) lowest = y;
            }
        }
        return lowest;
    };
    // "&OK" underlines the O: its black reaches further down than "OK" alone.
    EXPECT_GT(blackRows(L"&OK"), blackRows(L"OK"));
    // "A&&B" shows "A&B" without an underline; "A&B" underlines the B.
    EXPECT_EQ(blackRows(L"A&&B"), blackRows(L"AB"));
    EXPECT_GT(blackRows(L"A&B"), blackRows(L"AB"));
}

TEST(ButtonFocusRectangle, InvertsDotsAlongTheCaptionArea)
{
    const FaceColourTable table = InitColours();
    RetainedImage plain, focused;
    plain.Resize(113, 33);
    focused.Resize(113, 33);
    PaintButtonBody(plain.dc(), 113, 33, Face::Focused, table, kBack);
    PaintButtonBody(focused.dc(), 113, 33, Face::Focused, table, kBack);
    PaintFocusRectangle(focused.dc(), 113, 33);
    int changedOnEdge = 0, changedInside = 0, changedOutside = 0;
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 113; ++x) {
            const bool changed = !(PixelAt(plain, x, y) == PixelAt(focused, x, y));
            const bool onEdge = (x == 3 || x == 109) ? (y >= 3 && y <= 29) : ((y == 3 || y == 29) && x >= 3 && x <= 109);
            const bool inside = x > 3 && x < 109 && y > 3 && y < 29;
            if (changed && onEdge) ++changedOnEdge;
            if (changed && inside) ++changedInside;
            if (changed && !onEdge && !inside) ++changedOutside;
        }
    }
    EXPECT_GT(changedOnEdge, 100);  // every other pixel of the 268-pixel outline
    EXPECT_EQ(changedInside, 0);
    EXPECT_EQ(changedOutside, 0);
    // The dots invert the inner face's top row, (252, 252, 251).
    EXPECT_GT(testing::CountPixels(focused, Pixel{3, 3, 4}), 20);
}

}  // namespace
}  // namespace wavorin::controls
