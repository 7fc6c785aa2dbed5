// The controls under Wine: faces and frames drawn by GDI and read back as (points, colour)
// tables, the button's message wiring, hooks on real window procedures, and the panel.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "host/controls/ButtonPainter.h"
#include "host/controls/FramePainter.h"
#include "host/controls/FramePanel.h"
#include "host/controls/GdiSupport.h"
#include "host/controls/XpButton.h"

namespace wavorin::controls {
namespace {

struct Pixel {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
    friend std::ostream& operator<<(std::ostream& o, const Pixel& p) { return o << "(" << p.red << ", " << p.green << ", " << p.blue << ")"; }
};

Pixel Grey(int level) { return {level, level, level}; }

Pixel PixelAt(const RetainedImage& image, int x, int y)
{
    const COLORREF c = image.Pixel(x, y);
    return c == CLR_INVALID ? Pixel{-1, -1, -1} : Pixel{GetRValue(c), GetGValue(c), GetBValue(c)};
}

// The pixels of `a`, leaving out a margin at the edges, that show `wanted` (or differ from `b`).
int CountPixels(const RetainedImage& a, Pixel wanted, const RetainedImage* b = nullptr, int margin = 0)
{
    int count = 0;
    for (int y = margin; y < a.height() - margin; ++y) {
        for (int x = margin; x < a.width() - margin; ++x) count += b ? !(PixelAt(a, x, y) == PixelAt(*b, x, y)) : PixelAt(a, x, y) == wanted;
    }
    return count;
}
int Differences(const RetainedImage& a, const RetainedImage& b, int margin = 0) { return CountPixels(a, {}, &b, margin); }

// The same between the image and the window on screen after a full repaint of its form,
// without the outermost ring (a shaped window's corners show what lies behind it).
int DifferencesOnScreen(HWND window, const RetainedImage& image)
{
    const HWND form = GetAncestor(window, GA_ROOT);
    ShowWindow(form, SW_SHOWNORMAL);
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    RetainedImage screen;
    screen.Resize(image.width(), image.height());
    BitBlt(screen.dc(), 0, 0, image.width(), image.height(), win32::WindowDc(window).get(), 0, 0, SRCCOPY);
    const int differences = Differences(screen, image, 1);
    ShowWindow(form, SW_HIDE);  // deactivates the form: its buttons redraw
    return differences;
}

// One row of a drawing's table: these points show this colour.
using Shows = std::pair<std::vector<POINT>, Pixel>;

void ExpectShows(const RetainedImage& image, const std::vector<Shows>& table, const std::string& what)
{
    for (const auto& [points, colour] : table) {
        for (POINT p : points) EXPECT_EQ(PixelAt(image, p.x, p.y), colour) << what << " at " << p.x << ", " << p.y;
    }
}

constexpr COLORREF kBack = RGB(1, 2, 3);  // never drawn by a face: shows what is left alone

// A 113 x 33 face: what lies inside, the outline and its 20 corner pixels (five at the upper
// left, mirrored to each corner); the outermost corner pixels are left to the window's shape.
std::vector<Shows> Outline(Pixel border, Pixel edge, Pixel outer, Pixel inner, std::vector<Shows> rows)
{
    auto mirrored = [](std::vector<POINT> base) {
        std::vector<POINT> all;
        for (POINT p : base) all.insert(all.end(), {p, {112 - p.x, p.y}, {p.x, 32 - p.y}, {112 - p.x, 32 - p.y}});
        return all;
    };
    const std::vector<POINT> lines{{3, 0}, {56, 0}, {109, 0}, {3, 32}, {56, 32}, {109, 32}, {0, 3}, {0, 16}, {0, 29}, {112, 3}, {112, 16}, {112, 29}};
    rows.insert(rows.end(), {{lines, border}, {mirrored({{0, 1}, {1, 0}}), outer}, {mirrored({{0, 2}, {2, 0}}), edge},
                             {mirrored({{1, 1}}), inner}, {mirrored({{0, 0}}), {1, 2, 3}}});
    return rows;
}

std::vector<Shows> Enabled(std::vector<Shows> inside) { return Outline({0, 60, 116}, {33, 85, 132}, {123, 150, 173}, {82, 125, 165}, inside); }

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
    const std::tuple<Face, int, int, std::vector<Shows>> kFaces[] = {
        {Face::Disabled, 113, 33, Outline({201, 199, 186}, {196, 177, 140}, {206, 199, 189}, {196, 177, 140}, {{kInside, {245, 244, 234}}})},
        {Face::Normal, 113, 33, Gradient({255, 255, 255}, {254, 254, 254}, {226, 223, 214}, {214, 208, 197}, {252, 252, 251}, {237, 236, 232})},
        {Face::Focused, 113, 33, Gradient({206, 231, 255}, {189, 215, 247}, {140, 174, 231}, {107, 130, 239}, {189, 211, 247}, {144, 177, 232})},
        {Face::Hot, 113, 33, Gradient({255, 243, 206}, {255, 219, 140}, {255, 178, 49}, {230, 150, 0}, {225, 223, 156}, {253, 185, 56})},
        {Face::Pressed, 113, 33, Enabled({{kInside, {231, 227, 222}}})},
        // Too short for a gradient: the lines and corners are drawn all the same (row H-3 is row 2).
        {Face::Normal, 20, 5, {{{{10, 1}}, {255, 255, 255}}, {{{10, 2}}, {226, 223, 214}}, {{{1, 1}}, {82, 125, 165}}}},
    };
    for (const auto& [face, w, h, rows] : kFaces) {
        RetainedImage image;
        ASSERT_TRUE(image.Resize(w, h));
        PaintButtonBody(image.dc(), w, h, face, InitColours(), kBack);
        ExpectShows(image, rows, "face " + std::to_string(static_cast<int>(face)));
    }
}

TEST(ButtonFace, TheFocusRectangleInvertsDotsOnTheInnerFacesOutline)
{
    std::array<RetainedImage, 2> images;  // a focused face, then the same with the focus rectangle
    for (RetainedImage& image : images) image.Resize(113, 33), PaintButtonBody(image.dc(), 113, 33, Face::Focused, InitColours(), kBack);
    PaintFocusRectangle(images[1].dc(), 113, 33);
    // The dots lie on the outline of (3, 3, 110, 30) and invert the inner face's (252, 252, 251).
    EXPECT_EQ((std::tuple{Differences(images[0], images[1], 3) > 100, Differences(images[0], images[1], 4)}), std::tuple(true, 0));
    EXPECT_EQ(Differences(images[0], images[1]), Differences(images[0], images[1], 3));  // nothing outside
}

constexpr int kW = 501, kH = 173;  // the settings dialog's panel

// A retained image takes any size down to a single pixel, and holds nothing at none.
TEST(RetainedImage, TakesAnySizeDownToOnePixel)
{
    RetainedImage image;
    for (const auto& [w, h, taken] : {std::tuple{1, 1, true}, {0, 1, false}, {1, 0, false}}) {
        const bool resized = image.Resize(w, h);
        EXPECT_EQ(std::tuple(resized, image.width(), image.height()), std::tuple(taken, taken ? w : 0, taken ? h : 0)) << w << " x " << h;
    }
}

// A strip of pictures is cut into equal frames: one too short for its frames, or none at all,
// gives nothing rather than frames cut from nowhere.
TEST(FrameStrip, GivesNothingWhereItCannotBeCut)
{
    const win32::WindowDc screen(nullptr);
    const win32::UniqueBitmap strip(CreateCompatibleBitmap(screen.get(), 12, 3));  // three frames of one row
    ASSERT_TRUE(strip);
    for (const auto& [frames, made] : {std::pair{3, true}, {4, false}, {0, false}}) {
        EXPECT_EQ(bool(ScaledFrames(strip.get(), frames, 12, 12)), made) << frames;
    }
}

TEST(FrameFace, EveryDrawingShowsItsColours)
{
    std::vector<Shows> steps;  // shadow step i at x = W - 6 + i and y = H - 6 + i
    for (int i = 1; i <= 5; ++i) steps.push_back({{{kW - 6 + i, kH / 2}, {kW / 2, kH - 6 + i}}, Grey(100 + 24 * i)});
    steps.push_back({{{0, 0}, {kW - 6, kH / 2}, {kW / 2, kH - 6}}, {0, 0, 0}});   // the frame covers step 0
    steps.push_back({{{kW / 2, kH / 2}, {kW - 1, 4}, {4, kH - 1}}, Grey(224)});  // the shadow starts at (5, 5)
    steps.push_back({{{kW - 1, 5}, {5, kH - 1}}, Grey(220)});
    // {name, change to the dialog's panel, rows}
    const std::tuple<const char*, void (*)(FramePanelProperties&), std::vector<Shows>> kDrawings[] = {
        {"dialog", [](FramePanelProperties&) {}, steps},
        {"style 2", [](FramePanelProperties& p) { p.frameStyle = 2, p.backColourIs = 1, p.backColour = Rgb(10, 20, 30); },
         {{{{0, 0}, {kW / 2, kH / 2}, {kW - 1, kH - 1}, {kW - 5, kH / 2}, {kW / 2, kH - 5}}, {10, 20, 30}}}},
        {"no shadow", [](FramePanelProperties& p) { p.showShadow = false, p.fillColour = Rgb(255, 255, 255), p.borderColour = Rgb(0, 0, 128); },
         {{{{0, 0}, {kW - 1, 0}, {0, kH - 1}, {kW - 1, kH - 1}, {kW - 1, kH / 2}}, {0, 0, 128}}, {{{kW / 2, kH / 2}}, Grey(255)}}},
        // Concentric rounded outlines leave gaps; the smoothing fills those in its three regions.
        {"rounded", [](FramePanelProperties& p) { p.frameStyle = kRoundedFrame; },
         {{{{0, 0}}, Grey(224)}, {{{kW / 2, 0}, {0, kH / 2}}, Grey(0)}, {{{498, 5}, {5, 170}}, Grey(222)}, {{{495, 165}}, Grey(112)}}},
        {"depth 0", [](FramePanelProperties& p) { p.shadowDepth = 0; }, {{{{kW - 1, kH / 2}}, Grey(0)}}},
    };
    for (const auto& [name, change, rows] : kDrawings) {
        FramePanelProperties panel = DefaultFramePanel(Rgb(224, 224, 224));
        change(panel);
        RetainedImage image;
        ASSERT_TRUE(image.Resize(kW, kH));
        DrawFrame(image, panel, FrameBackground(panel, Rgb(224, 224, 224)), kW, kH, kW, kH);
        ExpectShows(image, rows, name);
    }
}

LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) { return SendMessageW(window, message, wParam, lParam); }
void Read(XpButton& button, const char* text = "") { button.ReadProperties(PropertyStore::FromText(text).value()); }
constexpr UINT kPing = WM_APP + 7;  // a test form answers this and WM_COMMAND with 0x5000 + wParam

// A plain top-level window standing in for the settings dialog.
class TestForm final : public win32::Window {
public:
    bool Create(int width = 640, int height = 400)
    {
        static const win32::WindowClass kClass{L"Wavorin_TestForm", 0, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH))};
        return Window::Create(kClass, L"test form", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 20, 20, width, height, nullptr);
    }
    std::function<void()> onPing;  // runs inside the form's own handling of kPing

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message != kPing && message != WM_COMMAND) return Window::HandleMessage(message, wParam, lParam);
        if (onPing && message == kPing) onPing();
        return static_cast<LRESULT>(0x5000 + wParam);
    }
};

// A form with one button on it, whose events are counted.
class ControlWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(form.Create());
        original = GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC);
        ASSERT_TRUE(button.Create(form.hwnd(), 10, 10, 113, 33, L"SaveButton", 1));
        button.onClick = [this] { ++clicks; };
        button.onDblClick = [this] { ++doubleClicks; };
        button.onMouseMove = [this](std::int16_t& buttons, std::int16_t& shift, float&, float&) {
            moves += std::to_string(buttons) + "/" + std::to_string(shift) + " ";
        };
        button.onPropertyChanged = [this](std::string_view key) { changed += std::string(key) + " "; };
    }
    std::unique_ptr<XpButton> Another(int x, const char* properties = "")
    {
        auto another = std::make_unique<XpButton>();
        EXPECT_TRUE(another->Create(form.hwnd(), x, 60, 113, 33, L"b"));
        if (properties) Read(*another, properties);
        return another;
    }
    int Count(Pixel colour) const { return CountPixels(button.FaceImage(), colour); }

    TestForm form;
    LONG_PTR original = 0;
    XpButton button;
    int clicks = 0, doubleClicks = 0;
    std::string changed, moves;  // moves: the buttons and shift keys each MouseMove event reports
};

TEST_F(ControlWindowTest, ButtonMessagesDriveItsFaceAndEvents)
{
    Read(button);
    const HWND b = button.hwnd(), f = form.hwnd();
    const LPARAM in = MAKELPARAM(50, 15), out = MAKELPARAM(-20, 15);
    // {window, message, wParam, lParam, face after it, clicks, double clicks, pointer captured}
    const std::tuple<HWND, UINT, WPARAM, LPARAM, Face, int, int, bool> kSteps[] = {
        {f, WM_ACTIVATE, WA_ACTIVE, 0, Face::Normal, 0, 0, false},  // through the hook on the form
        {b, WM_MOUSEMOVE, 0, in, Face::Hot, 0, 0, false},
        {b, WM_MOUSEMOVE, MK_RBUTTON | MK_MBUTTON | MK_SHIFT | MK_CONTROL, in, Face::Hot, 0, 0, false},
        {b, WM_RBUTTONDOWN, MK_RBUTTON, in, Face::Hot, 0, 0, true},  // any button takes the pointer; only the left presses
        {b, WM_RBUTTONUP, 0, in, Face::Hot, 0, 0, false},
        {b, WM_LBUTTONDOWN, MK_LBUTTON, in, Face::Pressed, 0, 0, true},
        {b, WM_MOUSEMOVE, MK_LBUTTON, out, Face::Focused, 0, 0, true},
        {b, WM_MOUSEMOVE, MK_LBUTTON, in, Face::Pressed, 0, 0, true},
        {b, WM_LBUTTONUP, 0, in, Face::Hot, 1, 0, false},
        {b, WM_LBUTTONDBLCLK, MK_LBUTTON, in, Face::Pressed, 1, 1, true},
        {b, WM_LBUTTONUP, 0, in, Face::Hot, 1, 1, false},
        {b, WM_MOUSELEAVE, 0, 0, Face::Focused, 1, 1, false},  // through the button's own hook
        {b, WM_KEYDOWN, VK_SPACE, 0, Face::Pressed, 1, 1, false},
        {b, WM_KEYUP, VK_SPACE, 0, Face::Focused, 2, 1, false},
        {b, WM_KEYDOWN, VK_RETURN, 0, Face::Focused, 3, 1, false},
        {b, WM_SYSCHAR, 'O', 1 << 29, Face::Focused, 4, 1, false},
        {b, WM_SYSCHAR, 'x', 1 << 29, Face::Focused, 4, 1, false},
        {b, BM_CLICK, 0, 0, Face::Focused, 5, 1, false},
        {f, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, TRUE), 0, Face::Normal, 5, 1, false},  // inactive while minimised
    };
    for (const auto& [window, message, wParam, lParam, face, clickCount, dblClickCount, captured] : kSteps) {
        Send(window, message, wParam, lParam);
        EXPECT_EQ((std::tuple{button.State(), clicks, doubleClicks, GetCapture() == b}), (std::tuple{face, clickCount, dblClickCount, captured}))
            << "after message " << std::hex << message;
    }
    EXPECT_EQ(GetFocus(), b);  // the press took the focus
    EXPECT_EQ(moves, "0/0 6/3 1/0 1/0 ");
}

// Messages already waiting when a button is chosen by its key run before its Click; one that
// takes the button away leaves its Click unraised.
TEST_F(ControlWindowTest, WaitingMessagesRunBeforeAClick)
{
    std::string order;
    auto other = Another(200);
    button.onClick = [&] { order += "click "; };
    other->onClick = [&] { order += "other's click "; };
    form.onPing = [&] { order += "ping "; };
    PostMessageW(form.hwnd(), kPing, 0, 0);
    Send(button.hwnd(), BM_CLICK);
    form.onPing = [&] { other.reset(); };
    PostMessageW(form.hwnd(), kPing, 0, 0);
    Send(other->hwnd(), BM_CLICK);
    EXPECT_EQ(std::pair(order, other.get()), std::pair(std::string("ping click "), static_cast<XpButton*>(nullptr)));
}

// The pointer snaps to the button's middle: 56.5, 16.5 from its corner on screen, rounded
// half to even.
TEST_F(ControlWindowTest, ThePointerSnapsToTheButtonsMiddle)
{
    POINT corner{0, 0};
    MapWindowPoints(button.hwnd(), nullptr, &corner, 1);
    button.SnapMouseTo();
    POINT pointer{};
    ASSERT_TRUE(GetCursorPos(&pointer));
    const auto even = [](LONG a) { return a % 2 == 0 ? a : a + 1; };
    EXPECT_EQ(std::pair(pointer.x, pointer.y), std::pair(even(corner.x + 56), even(corner.y + 16)));
}

TEST_F(ControlWindowTest, ButtonPropertiesAreAppliedInOrderAndWrittenBackTheSame)
{
    Read(button, "Caption = \"ｷｬﾝｾﾙ\"\nFont = {\"ＭＳ Ｐゴシック\", 9.75, 700, 128, 1}\nForeColor = 255\nFocusRect = False\n");
    EXPECT_EQ(changed, "Caption ForeColor Font FocusRect Enabled ");
    EXPECT_EQ((std::tuple{Count({0, 0, 0}) == 0, Count({255, 0, 0}) > 10}), std::tuple(true, true));  // the red caption
    button.SetEnabled(false);
    const std::string text = button.WriteProperties().ToText();
    EXPECT_EQ(text, "Caption = \"ｷｬﾝｾﾙ\"\nEnabled = False\nForeColor = 255\nFont = {\"ＭＳ Ｐゴシック\", 9.75, 700, 128, 1}\nFocusRect = False\n");
    auto copy = Another(10, text.c_str());
    EXPECT_EQ((std::tuple{copy->WriteProperties().ToText(), IsWindowEnabled(copy->hwnd())}), std::tuple(text, FALSE));
    // New buttons take the first free of "&OK", "&Cancel", "&Apply" on their form, and start drawing.
    auto first = Another(140, nullptr), second = Another(270, nullptr);
    first->InitProperties();
    second->InitProperties();
    EXPECT_EQ((std::tuple{first->Caption(), second->Caption(), second->State()}), (std::tuple{L"&OK", L"&Cancel", Face::Normal}));

    // Arrow keys move the focus along the tab order.
    ShowWindow(form.hwnd(), SW_SHOWNORMAL);
    SetFocus(first->hwnd());
    Send(first->hwnd(), WM_KEYDOWN, VK_RIGHT);
    EXPECT_EQ(GetFocus(), second->hwnd());
    Send(second->hwnd(), WM_KEYDOWN, VK_UP);
    EXPECT_EQ(GetFocus(), first->hwnd());
    ShowWindow(form.hwnd(), SW_HIDE);
}

TEST_F(ControlWindowTest, ButtonFacesForDisabledFocusedAndTooSmallButtons)
{
    Read(button, "Caption = \"設定\"\nFont = {\"ＭＳ Ｐゴシック\", 9.75, 400, 128, 0}\n");
    SetFocus(button.hwnd());
    button.SetEnabled(false);  // the window loses the focus on the way
    EXPECT_EQ((std::tuple{IsWindowEnabled(button.hwnd()), button.Behaviour().Focused(), PixelAt(button.FaceImage(), 56, 0)}),
              (std::tuple{FALSE, false, Pixel{201, 199, 186}}));
    // The grey caption lies on the face, without a box of its own.
    EXPECT_EQ((std::tuple{Count({161, 161, 146}) > 20, Count({0, 0, 0}), Count({255, 255, 255})}), std::tuple(true, 0, 0));
    button.SetEnabled(true);
    EXPECT_EQ((std::tuple{IsWindowEnabled(button.hwnd()), button.State(), Count({161, 161, 146})}), (std::tuple{TRUE, Face::Normal, 0}));

    const Pixel dot{3, 3, 4};  // the focus rectangle's dots on the inner face
    button.SetDisplayAsDefault(true);
    EXPECT_EQ((std::tuple{button.State(), Count(dot)}), (std::tuple{Face::Focused, 0}));
    SetFocus(button.hwnd());
    EXPECT_GT(Count(dot), 20);
    button.SetFocusRect(false);
    EXPECT_EQ(Count(dot), 0);

    // Shaped with corners rounded by 3 pixels; shown from its retained face.
    UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(button.hwnd(), region.get()), ERROR);
    for (auto [x, y, inside] : {std::tuple{0, 0, false}, {112, 0, false}, {0, 32, false}, {112, 32, false}, {56, 0, true},
                                {0, 16, true}, {112, 16, true}, {56, 32, true}, {1, 1, true}}) {
        EXPECT_EQ(PtInRegion(region.get(), x, y) != 0, inside) << x << ", " << y;
    }
    EXPECT_EQ(DifferencesOnScreen(button.hwnd(), button.FaceImage()), 0);

    MoveWindow(button.hwnd(), 10, 10, 3, 40, TRUE);  // grows to 100 twips and keeps drawing
    RECT client{};
    GetClientRect(button.hwnd(), &client);
    EXPECT_EQ((std::tuple{client.right, client.bottom, PixelAt(button.FaceImage(), 3, 0)}), (std::tuple{7L, 40L, Pixel{0, 60, 116}}));
}

TEST_F(ControlWindowTest, HooksOnOneFormComeOffInAnyOrderAndWithTheirWindows)
{
    // The settings dialog's case: three buttons hook one form and go away in any order.
    ShowWindow(form.hwnd(), SW_SHOWNORMAL);  // active already: WM_ACTIVATE below activates nothing by itself
    std::array<int, 3> order{0, 1, 2};
    do {
        std::string expected = "012", seen;
        std::array<std::unique_ptr<XpButton>, 3> buttons;
        for (int i = 0; i < 3; ++i) (buttons[i] = Another(140 + 120 * i))->onFormActivate = [&seen, i](std::int32_t&) { seen += char('0' + i); };
        Read(*buttons[0]);  // properties read again hook nothing again
        for (int removed : order) {
            buttons[removed].reset();
            std::erase(expected, '0' + removed);
            seen.clear();
            Send(form.hwnd(), WM_ACTIVATE, WA_ACTIVE);
            EXPECT_EQ((std::tuple{seen, Send(form.hwnd(), kPing, 4)}), (std::tuple{expected, LRESULT{0x5004}}));
        }
        EXPECT_EQ(GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC), original);
    } while (std::next_permutation(order.begin(), order.end()));
    ShowWindow(form.hwnd(), SW_HIDE);

    // A form may destroy its buttons while a message passes their hooks.
    std::array<std::unique_ptr<XpButton>, 3> buttons{Another(140), Another(260), Another(380)};
    form.onPing = [&] { buttons = {}; };
    EXPECT_EQ(Send(form.hwnd(), kPing, 6), 0x5006);
    EXPECT_EQ(GetWindowLongPtrW(form.hwnd(), GWLP_WNDPROC), original);

    Read(button);
    auto more = Another(140);
    form.onPing = nullptr;
    DestroyWindow(form.hwnd());  // children first, then the form, with the hooks in place
    EXPECT_EQ((std::tuple{button.hwnd(), more->hwnd()}), (std::tuple<HWND, HWND>{nullptr, nullptr}));
}

TEST_F(ControlWindowTest, APanelDrawsOnEveryChangeAndHoldsChildControls)
{
    FramePanel panel;
    ASSERT_TRUE(panel.Create(form.hwnd(), 12, 12, kW, kH, RGB(224, 224, 224), 77));
    panel.onPropertyChanged = [&](std::string_view key) { changed += std::string(key) + " "; };
    auto at = [&](int x, int y) { return PixelAt(panel.FaceImage(), x, y); };
    panel.ReadProperties(PropertyStore::FromText("ShadowOpacity = 100\n").value());  // read: drawn, no change
    EXPECT_EQ(at(kW - 5, kH / 2), Grey(44));
    panel.SetShadowOpacity(-5);
    EXPECT_EQ(at(kW - 5, kH / 2), Grey(204));
    panel.SetShadowDepth(1);
    panel.SetCornerDepth(80);
    panel.SetFillColour(RGB(255, 255, 240));
    EXPECT_EQ(changed, "ShadowOpacity ShadowDepth CornerDepth FillColour ");
    EXPECT_EQ(panel.WriteProperties().ToText(), "ShadowOpacity = 0\nShadowDepth = 2\nFillColour = 15794175\nCornerDepth = 50\n");
    EXPECT_EQ(DifferencesOnScreen(panel.hwnd(), panel.FaceImage()), 0);
    panel.SetFrameStyle(2);
    EXPECT_EQ(at(0, 0), Grey(224));

    // Buttons on it belong to the form; their notifications reach the form.
    XpButton child;
    ASSERT_TRUE(child.Create(panel.hwnd(), 24, 112, 45, 25, L"ChooseFileButton"));
    Read(child);
    EXPECT_EQ(child.Form(), form.hwnd());
    EXPECT_EQ(Send(panel.hwnd(), WM_COMMAND, 5, reinterpret_cast<LPARAM>(child.hwnd())), 0x5005);

    panel.ReadProperties(PropertyStore{});
    MoveWindow(panel.hwnd(), 12, 12, 200, 100, TRUE);  // redrawn at the new size
    EXPECT_EQ(std::tuple(panel.FaceImage().width(), at(199, 50), at(194, 50)), std::tuple(200, Grey(220), Grey(0)));
    panel.SetAmbientBackColour(RGB(200, 0, 0));  // followed until a back colour is chosen
    panel.SetBackColour(RGB(0, 0, 200));
    EXPECT_EQ(at(199, 0), (Pixel{200, 0, 0}));
    panel.SetBackColourIs(1);
    panel.SetAmbientBackColour(RGB(0, 200, 0));
    EXPECT_EQ(at(199, 0), (Pixel{0, 0, 200}));
}

}  // namespace
}  // namespace wavorin::controls
