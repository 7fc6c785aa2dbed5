// The button's faces and the frame panel's face drawn by GDI and read back pixel by pixel:
// one table of (points, colour) rows per drawing.

#include <gtest/gtest.h>

#include "TestWindows.h"
#include "host/controls/ButtonPainter.h"
#include "host/controls/FramePainter.h"
#include "host/controls/FrameShadow.h"

namespace wavorin::controls {
namespace {

using testing::Pixel;
using testing::Shows;

constexpr COLORREF kBack = RGB(1, 2, 3);  // never drawn by a face: shows what is left alone
constexpr Pixel kBackPixel{1, 2, 3};

// The outline and its 20 corner pixels (five at the upper left, mirrored to each corner) of
// a w x h face; the outermost corner pixels are left to the window's rounded shape.
std::vector<Shows> Outline(int w, int h, Pixel border, Pixel edge, Pixel outer, Pixel inner)
{
    auto mirrored = [&](std::vector<POINT> base) {
        std::vector<POINT> all;
        for (POINT p : base) all.insert(all.end(), {p, {w - 1 - p.x, p.y}, {p.x, h - 1 - p.y}, {w - 1 - p.x, h - 1 - p.y}});
        return all;
    };
    return {{{{3, 0}, {w / 2, 0}, {w - 4, 0}, {3, h - 1}, {w / 2, h - 1}, {w - 4, h - 1}, {0, 3}, {0, h / 2}, {0, h - 4},
              {w - 1, 3}, {w - 1, h / 2}, {w - 1, h - 4}}, border},
            {mirrored({{0, 1}, {1, 0}}), outer}, {mirrored({{0, 2}, {2, 0}}), edge}, {mirrored({{1, 1}}), inner},
            {mirrored({{0, 0}}), kBackPixel}};
}

std::vector<Shows> Enabled(std::vector<Shows> inside)
{
    std::vector<Shows> rows = Outline(113, 33, {0, 60, 116}, {33, 85, 132}, {123, 150, 173}, {82, 125, 165});
    rows.insert(rows.end(), inside.begin(), inside.end());
    return rows;
}

// A gradient face: its four lines, the state gradient in the two columns at each side (top
// row 3, row 29 = step 2 of 28) and the inner face (top row 3, row 29 = step 1 of 27).
std::vector<Shows> Gradient(Pixel top1, Pixel top2, Pixel bottom1, Pixel bottom2, Pixel stateTop, Pixel stateRow29)
{
    return Enabled({{{{56, 1}}, top1}, {{{56, 2}}, top2}, {{{56, 30}}, bottom1}, {{{2, 31}, {110, 31}}, bottom2},
                    {{{1, 3}, {2, 3}, {110, 3}, {111, 3}}, stateTop}, {{{3, 3}, {56, 3}, {109, 3}}, {252, 252, 251}},
                    {{{1, 29}, {111, 29}}, stateRow29}, {{{56, 29}}, {237, 236, 231}}});
}

const std::vector<POINT> kInside{{2, 1}, {1, 3}, {56, 16}, {111, 30}, {110, 31}};

TEST(ButtonFace, EveryFaceShowsItsColours)
{
    struct {
        Face face;
        int w, h;
        std::vector<Shows> rows;
    } const kFaces[] = {
        {Face::Disabled, 113, 33, [] {
             auto rows = Outline(113, 33, {201, 199, 186}, {196, 177, 140}, {206, 199, 189}, {196, 177, 140});
             rows.push_back({kInside, {245, 244, 234}});
             return rows;
         }()},
        {Face::Normal, 113, 33, Gradient({255, 255, 255}, {254, 254, 254}, {226, 223, 214}, {214, 208, 197}, {252, 252, 251}, {237, 236, 232})},
        {Face::Focused, 113, 33, Gradient({206, 231, 255}, {189, 215, 247}, {140, 174, 231}, {107, 130, 239}, {189, 211, 247}, {144, 177, 232})},
        {Face::Hot, 113, 33, Gradient({255, 243, 206}, {255, 219, 140}, {255, 178, 49}, {230, 150, 0}, {225, 223, 156}, {253, 185, 56})},
        {Face::Pressed, 113, 33, Enabled({{kInside, {231, 227, 222}}})},
        // Too short for a gradient: the lines and corners are drawn all the same (row H-3 is row 2).
        {Face::Normal, 20, 5, {{{{10, 1}}, {255, 255, 255}}, {{{10, 2}}, {226, 223, 214}}, {{{1, 1}}, {82, 125, 165}}}},
    };
    for (const auto& drawing : kFaces) {
        RetainedImage image;
        ASSERT_TRUE(image.Resize(drawing.w, drawing.h));
        PaintButtonBody(image.dc(), drawing.w, drawing.h, drawing.face, InitColours(), kBack);
        testing::ExpectShows(image, drawing.rows, ("face " + std::to_string(static_cast<int>(drawing.face))).c_str());
    }
}

// The caption (and the focus rectangle) over a face: the lowest row holding `ink`, and the image.
int LowestInk(RetainedImage& image, Face face, const wchar_t* caption, Pixel ink, bool focusRect = false)
{
    image.Resize(113, 33);
    PaintButtonBody(image.dc(), 113, 33, face, InitColours(), kBack);
    UniqueFont font = CreateFontFor(FontInfo{"ＭＳ Ｐゴシック", 9.75, 400, 128, 0});
    if (caption) PaintButtonCaption(image.dc(), 113, 33, caption, font.get(), RGB(ink.red, ink.green, ink.blue));
    if (focusRect) PaintFocusRectangle(image.dc(), 113, 33);
    int lowest = -1;
    for (int y = 0; y < 33; ++y) {
        for (int x = 0; x < 113; ++x) lowest = testing::PixelAt(image, x, y) == ink ? y : lowest;
    }
    return lowest;
}

TEST(ButtonFace, CaptionUnderlinesTheAccessKeyAndTheFocusRectangleInvertsDots)
{
    RetainedImage image, plain;
    const Pixel black{0, 0, 0}, grey{161, 161, 146};
    EXPECT_GE(LowestInk(image, Face::Disabled, L"設定", grey), 10);
    EXPECT_GT(testing::CountPixels(image, grey), 20);
    EXPECT_EQ(testing::CountPixels(image, black), 0);
    // "&OK" underlines the O; "A&&B" shows "A&B" without an underline.
    EXPECT_GT(LowestInk(image, Face::Pressed, L"&OK", black), LowestInk(plain, Face::Pressed, L"OK", black));
    EXPECT_EQ(LowestInk(image, Face::Pressed, L"A&&B", black), LowestInk(plain, Face::Pressed, L"AB", black));
    EXPECT_GT(LowestInk(image, Face::Pressed, L"A&B", black), LowestInk(plain, Face::Pressed, L"AB", black));
    // The dots lie on the outline of (3, 3, 110, 30) and invert the inner face's (252, 252, 251).
    LowestInk(image, Face::Focused, nullptr, black, true);
    LowestInk(plain, Face::Focused, nullptr, black);
    EXPECT_GT(testing::CountPixels(image, {3, 3, 4}), 20);
    EXPECT_GT(testing::Differences(image, plain, 3), 100);  // every other pixel of the outline
    EXPECT_EQ(testing::Differences(image, plain, 4), 0);    // nothing inside it
    EXPECT_EQ(testing::Differences(image, plain), testing::Differences(image, plain, 3));  // nothing outside
}

Pixel Grey(int level) { return {level, level, level}; }

constexpr int kW = 501, kH = 173;  // the settings dialog's panel

TEST(FrameFace, EveryDrawingShowsItsColours)
{
    std::vector<Shows> outlines, steps;  // outline i at x = W - 6 + i (and x = 10 - i) and y = H - 6 + i
    for (int i = 0; i <= 5; ++i) outlines.push_back({{{kW - 6 + i, kH / 2}, {kW / 2, kH - 6 + i}, {10 - i, kH / 2}}, Grey(100 + 24 * i)});
    for (int i = 1; i <= 5; ++i) steps.push_back({{{kW - 6 + i, kH / 2}, {kW / 2, kH - 6 + i}}, Grey(100 + 24 * i)});
    steps.push_back({{{0, 0}, {kW - 6, kH / 2}, {kW / 2, kH - 6}}, {0, 0, 0}});        // the frame covers step 0
    steps.push_back({{{kW / 2, kH / 2}, {kW - 1, 4}, {4, kH - 1}}, Grey(224)});       // the shadow starts at (5, 5)
    steps.push_back({{{kW - 1, 5}, {5, kH - 1}}, Grey(220)});
    using Change = void (*)(FramePanelProperties&);
    struct {
        const char* name;
        Change change;
        bool outlinesOnly;
        std::vector<Shows> rows;
    } const kDrawings[] = {
        {"outlines", [](FramePanelProperties&) {}, true, outlines},
        {"dialog", [](FramePanelProperties&) {}, false, steps},
        {"opacity 100", [](FramePanelProperties& p) { p.shadowOpacity = 100; }, true, {{{{kW - 6, kH / 2}}, Grey(0)}}},
        {"opacity 100", [](FramePanelProperties& p) { p.shadowOpacity = 100; }, false,
         {{{{kW - 5, kH / 2}}, Grey(44)}, {{{kW - 1, kH / 2}}, Grey(220)}}},
        {"opacity 0", [](FramePanelProperties& p) { p.shadowOpacity = 0; }, true, {{{{kW - 6, kH / 2}}, Grey(200)}}},
        {"opacity 0", [](FramePanelProperties& p) { p.shadowOpacity = 0; }, false, {{{{kW - 5, kH / 2}}, Grey(204)}}},
        {"style 2", [](FramePanelProperties& p) { p.frameStyle = 2, p.backColourIs = 1, p.backColour = Rgb(10, 20, 30); }, false,
         {{{{0, 0}, {kW / 2, kH / 2}, {kW - 1, kH - 1}, {kW - 5, kH / 2}, {kW / 2, kH - 5}}, {10, 20, 30}}}},
        {"no shadow", [](FramePanelProperties& p) { p.showShadow = false, p.fillColour = Rgb(255, 255, 255), p.borderColour = Rgb(0, 0, 128); },
         false, {{{{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}, {kW - 1, kH / 2}}, {0, 0, 128}}, {{{kW / 2, kH / 2}}, Grey(255)}}},
        {"rounded", [](FramePanelProperties& p) { p.frameStyle = kRoundedFrame; }, false,
         {{{{0, 0}}, Grey(224)}, {{{kW / 2, 0}, {0, kH / 2}}, Grey(0)}}},
        {"depth 0", [](FramePanelProperties& p) { p.shadowDepth = 0; }, false, {{{{kW - 1, kH / 2}}, Grey(0)}}},
    };
    for (const auto& drawing : kDrawings) {
        FramePanelProperties panel = DefaultFramePanel(Rgb(224, 224, 224));
        drawing.change(panel);
        RetainedImage image;
        ASSERT_TRUE(image.Resize(kW, kH));
        const Colour background = FrameBackground(panel, Rgb(224, 224, 224));
        if (drawing.outlinesOnly) {
            ClearFace(image.dc(), kW, kH, background);
            DrawShadowOutlines(image.dc(), panel, background, kW, kH);
        } else {
            DrawFrame(image, panel, background, kW, kH, kW, kH);
        }
        testing::ExpectShows(image, drawing.rows, drawing.name);
    }
}

TEST(FrameFace, RoundedOutlinesAreSmoothedInsideTheRegionsOnlyAndCornerZeroIsSquare)
{
    FramePanelProperties panel = DefaultFramePanel(Rgb(224, 224, 224));
    panel.frameStyle = kRoundedFrame;
    RetainedImage outlines, smoothed;
    for (RetainedImage* image : {&outlines, &smoothed}) {
        ASSERT_TRUE(image->Resize(kW, kH));
        ClearFace(image->dc(), kW, kH, Rgb(224, 224, 224));
        DrawShadowOutlines(image->dc(), panel, Rgb(224, 224, 224), kW, kH);
    }
    ImageSurface surface(smoothed);
    SmoothShadowCorners(surface, Rgb(224, 224, 224), kW, kH, panel.shadowDepth, panel.cornerDepth);
    const auto regions = SmoothingRegions(kW, kH, panel.shadowDepth, panel.cornerDepth);
    int changed = 0;
    for (int y = 0; y < kH; ++y) {
        for (int x = 0; x < kW; ++x) {
            if (testing::PixelAt(outlines, x, y) == testing::PixelAt(smoothed, x, y)) continue;
            ++changed;
            EXPECT_EQ(testing::PixelAt(outlines, x, y), Grey(224)) << x << ", " << y;
            bool inRegion = false;
            for (const PixelRegion& r : regions) inRegion |= x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
            EXPECT_TRUE(inRegion) << x << ", " << y;
        }
    }
    EXPECT_GT(changed, 0) << "concentric rounded outlines leave gaps that the smoothing fills";

    panel.cornerDepth = 0;
    DrawFrame(outlines, panel, Rgb(224, 224, 224), kW, kH, kW, kH);
    panel.frameStyle = kSquareFrame;
    DrawFrame(smoothed, panel, Rgb(224, 224, 224), kW, kH, kW, kH);
    EXPECT_EQ(testing::Differences(outlines, smoothed), 0);
}

}  // namespace
}  // namespace wavorin::controls
