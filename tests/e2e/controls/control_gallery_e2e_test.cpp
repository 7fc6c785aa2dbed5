// ControlGallery.exe as a user starts it: every button face and the dialog's panel on
// screen, read back from the screen.

#include <gtest/gtest.h>

#include <vector>

#include "tests/e2e/harness/Harness.h"

namespace wavorin::e2e {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kTitle[] = L"Wavorin control gallery";

struct Rgb {
    int red, green, blue;
    friend bool operator==(const Rgb&, const Rgb&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Rgb& c)
    {
        return out << "(" << c.red << ", " << c.green << ", " << c.blue << ")";
    }
};

Rgb ScreenPixel(int x, int y)
{
    win32::WindowDc screen(nullptr);
    const COLORREF colour = GetPixel(screen.get(), x, y);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

BOOL CALLBACK CollectButton(HWND window, LPARAM data)
{
    wchar_t className[64] = {};
    GetClassNameW(window, className, 64);
    if (std::wstring_view(className) == L"Wavorin_XpButton") reinterpret_cast<std::vector<HWND>*>(data)->push_back(window);
    return TRUE;
}

TEST(ControlGallery, ShowsEveryButtonFaceAndTheDialogsPanel)
{
    Process gallery(BuiltProgram(L"ControlGallery.exe"), L"");
    ASSERT_TRUE(gallery.Started());
    const HWND window = WaitForWindow(kTitle, 10s);
    ASSERT_NE(window, nullptr);
    // The window has its title before its controls: wait for all of them.
    std::vector<HWND> buttons;
    WaitUntil(
        [&] {
            buttons.clear();
            EnumChildWindows(window, &CollectButton, reinterpret_cast<LPARAM>(&buttons));
            return buttons.size() == 6;  // five faces and the panel's file button
        },
        5s);
    ASSERT_EQ(buttons.size(), 6u);

    // Each face's own colour at a point only it paints: the disabled outline, the top line
    // of the normal, focused and hot faces, the flat pressed face.
    const Rgb expected[] = {{201, 199, 186}, {255, 255, 255}, {206, 231, 255}, {255, 243, 206}, {231, 227, 222}};
    const int rows[] = {0, 1, 1, 1, 10};
    for (int face = 0; face < 5; ++face) {
        RECT place{};
        GetWindowRect(buttons[face], &place);
        EXPECT_TRUE(WaitUntil([&] { return ScreenPixel(place.left + 30, place.top + rows[face]) == expected[face]; }, 5s))
            << "face " << face << " shows " << ScreenPixel(place.left + 30, place.top + rows[face]);
    }

    // The dialog's panel, 501 x 173 at (24, 150): black frame, five shadow steps to the right.
    POINT origin{24, 150};
    ClientToScreen(window, &origin);
    EXPECT_EQ(ScreenPixel(origin.x, origin.y), (Rgb{0, 0, 0}));
    const int levels[] = {124, 148, 172, 196, 220};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(ScreenPixel(origin.x + 496 + i, origin.y + 86), (Rgb{levels[i], levels[i], levels[i]})) << i;
    }

    PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(gallery.WaitForExit(5s), 0u);
}

}  // namespace
}  // namespace wavorin::e2e
