// The button's faces and the frame panel's face drawn by GDI and read back pixel by pixel:
// one table of (points, colour) rows per drawing.

#include <gtest/gtest.h>

#include "TestWindows.h"
#include "host/controls/ButtonPainter.h"
#include "host/controls/FramePainter.h"

namespace wavorin::controls {
namespace {

using testing::CountPixels;
using testing::Differences;
using testing::Pixel;
using testing::PixelAt;
using testing::Shows;

constexpr COLORREF kBack = RGB(1, 2, 3);  // never drawn by a face: shows what is left alone

// The outline and its 20 corner pixels (five at the upper left, mirrored to each corner) of
// a w x h face; the outermost corner pixels are left to the window's rounded shape.
std::vector<Shows> Outline(int w, int h, Pixel border, Pixel edge, Pixel outer, Pixel inner)
{
    auto mirrored = [&](std::vector<POINT> base) {
        std::vector<POINT> all;
        for (POINT p : base) all.insert(all.end(), {p, {w - 1 - p.x, p.y}, {p.x, h - 1 - p.y}, {w - 1 - p.x, h - 1 - p.y}});
        return all;
    };
    return {{{{3, 0}, {w - 4, 0}, {w / 2, h - 1}, {0, 3}, {0, h - 4}, {w - 1, h / 2}}, border}, {mirrored({{0, 1}, {1, 0}}), outer},
            {mirrored({{0, 2}, {2, 0}}), edge}, {mirrored({{1, 1}}), inner}, {mirrored({{0, 0}}), {1, 2, 3}}};
}

// An enabled face: the dark blue outline and what lies inside it.
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
        testing::ExpectShows(image, drawing.rows, "face " + std::to_string(static_cast<int>(drawing.face)));
    }
}

TEST(ButtonFace, CaptionUnderlinesTheAccessKeyAndTheFocusRectangleInvertsDots)
{
    // The lowest row of black ink of a caption over the pressed face.
    auto lowestInk = [](const wchar_t* caption) {
        RetainedImage image;
        image.Resize(113, 33);
        PaintButtonBody(image.dc(), 113, 33, Face::Pressed, InitColours(), kBack);
        PaintButtonCaption(image.dc(), 113, 33, caption, CreateFontFor(FontInfo{"ＭＳ Ｐゴシック", 9.75, 400, 128, 0}).get(), 0);
        int lowest = -1;
        for (int y = 0; y < 33; ++y) for (int x = 0; x < 113; ++x) lowest = PixelAt(image, x, y) == Pixel{0, 0, 0} ? y : lowest;
        return lowest;
    };
    EXPECT_GT(lowestInk(L"AB"), 10);
    EXPECT_GT(lowestInk(L"&OK"), lowestInk(L"OK"));  // "&OK" underlines the O
    EXPECT_EQ(lowestInk(L"A&&B"), lowestInk(L"AB"));  // "A&&B" shows "A&B"
    EXPECT_GT(lowestInk(L"A&B"), lowestInk(L"AB"));

    // The dots lie on the outline of (3, 3, 110, 30) and invert the inner face's (252, 252, 251).
    RetainedImage dotted, plain;
    for (RetainedImage* image : {&dotted, &plain}) {
        image->Resize(113, 33);
        PaintButtonBody(image->dc(), 113, 33, Face::Focused, InitColours(), kBack);
    }
    PaintFocusRectangle(dotted.dc(), 113, 33);
    EXPECT_GT(CountPixels(dotted, {3, 3, 4}), 20);
    EXPECT_GT(Differences(dotted, plain, 3), 100);  // every other pixel of the outline
    EXPECT_EQ(Differences(dotted, plain, 4), 0);    // nothing inside it
    EXPECT_EQ(Differences(dotted, plain), Differences(dotted, plain, 3));  // nothing outside
}

Pixel Grey(int level) { return {level, level, level}; }

constexpr int kW = 501, kH = 173;  // the settings dialog's panel

TEST(FrameFace, EveryDrawingShowsItsColours)
{
    std::vector<Shows> outlines, steps;  // outline i at x = W - 6 + i (and x = 10 - i) and y = H - 6 + i
    for (int i = 0; i <= 5; ++i) outlines.push_back({{{kW - 6 + i, kH / 2}, {kW / 2, kH - 6 + i}, {10 - i, kH / 2}}, Grey(100 + 24 * i)});
    for (int i = 1; i <= 5; ++i) steps.push_back({{{kW - 6 + i, kH / 2}, {kW / 2, kH - 6 + i}}, Grey(100 + 24 * i)});
    steps.push_back({{{0, 0}, {kW - 6, kH / 2}, {kW / 2, kH - 6}}, {0, 0, 0}});   // the frame covers step 0
    steps.push_back({{{kW / 2, kH / 2}, {kW - 1, 4}, {4, kH - 1}}, Grey(224)});  // the shadow starts at (5, 5)
    steps.push_back({{{kW - 1, 5}, {5, kH - 1}}, Grey(220)});
    using Change = void (*)(FramePanelProperties&);
    const Change kDefault = [](FramePanelProperties&) {}, kOpaque = [](FramePanelProperties& p) { p.shadowOpacity = 100; },
                 kClear = [](FramePanelProperties& p) { p.shadowOpacity = 0; };
    // {name, change to the dialog's panel, shadow outlines only, rows}
    const std::tuple<const char*, Change, bool, std::vector<Shows>> kDrawings[] = {
        {"outlines", kDefault, true, outlines},
        {"dialog", kDefault, false, steps},
        {"opacity 100", kOpaque, true, {{{{kW - 6, kH / 2}}, Grey(0)}}},
        {"opacity 100", kOpaque, false, {{{{kW - 5, kH / 2}}, Grey(44)}, {{{kW - 1, kH / 2}}, Grey(220)}}},
        {"opacity 0", kClear, true, {{{{kW - 6, kH / 2}}, Grey(200)}}},
        {"opacity 0", kClear, false, {{{{kW - 5, kH / 2}}, Grey(204)}}},
        {"style 2", [](FramePanelProperties& p) { p.frameStyle = 2, p.backColourIs = 1, p.backColour = Rgb(10, 20, 30); }, false,
         {{{{0, 0}, {kW / 2, kH / 2}, {kW - 1, kH - 1}, {kW - 5, kH / 2}, {kW / 2, kH - 5}}, {10, 20, 30}}}},
        {"no shadow", [](FramePanelProperties& p) { p.showShadow = false, p.fillColour = Rgb(255, 255, 255), p.borderColour = Rgb(0, 0, 128); },
         false, {{{{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}, {kW - 1, kH / 2}}, {0, 0, 128}}, {{{kW / 2, kH / 2}}, Grey(255)}}},
        // Concentric rounded outlines leave gaps; the smoothing fills those in its three regions.
        {"rounded", [](FramePanelProperties& p) { p.frameStyle = kRoundedFrame; }, false,
         {{{{0, 0}}, Grey(224)}, {{{kW / 2, 0}, {0, kH / 2}}, Grey(0)}, {{{498, 5}, {5, 170}}, Grey(222)}, {{{495, 165}}, Grey(112)}}},
        {"depth 0", [](FramePanelProperties& p) { p.shadowDepth = 0; }, false, {{{{kW - 1, kH / 2}}, Grey(0)}}},
    };
    for (const auto& [name, change, outlinesOnly, rows] : kDrawings) {
        FramePanelProperties panel = DefaultFramePanel(Rgb(224, 224, 224));
        change(panel);
        RetainedImage image;
        ASSERT_TRUE(image.Resize(kW, kH));
        const Colour background = FrameBackground(panel, Rgb(224, 224, 224));
        if (outlinesOnly) {
            ClearFace(image.dc(), kW, kH, background);
            DrawShadowOutlines(image.dc(), panel, background, kW, kH);
        } else {
            DrawFrame(image, panel, background, kW, kH, kW, kH);
        }
        testing::ExpectShows(image, rows, name);
    }
}

}  // namespace
}  // namespace wavorin::controls
