// The preview window's picture, read back from real GDI: hosted in-process here, since
// Wine does not draw a child window that belongs to another process.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>

#include "host/preview/PreviewWindow.h"
#include "host/win32/Handles.h"

namespace wavorin::preview {
namespace {

// Stretching may round a channel by a step or two.
bool Near(COLORREF a, COLORREF b)
{
    return std::abs(GetRValue(a) - GetRValue(b)) <= 4 && std::abs(GetGValue(a) - GetGValue(b)) <= 4 && std::abs(GetBValue(a) - GetBValue(b)) <= 4;
}

// Points of the 152 x 112 picture inside areas of one colour, so stretching cannot blend them;
// the black one has other colours left of and above it, so a picture one pixel off shows.
TEST(PreviewWindow, ShowsThePictureStretchedOverTheWholePane)
{
    const struct {
        int x, y;
        COLORREF colour;
    } points[] = {{114, 34, RGB(0x5c, 0x5c, 0x5c)}, {51, 107, RGB(0x20, 0x41, 0xa2)}, {65, 50, RGB(0x14, 0x32, 0x65)},
                  {58, 36, RGB(0x8f, 0x17, 0x00)},  {98, 42, RGB(0x20, 0x00, 0x00)},   {65, 39, RGB(0, 0, 0)}};
    for (const int scale : {1, 2}) {
        win32::UniqueWindow pane(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, 152 * scale,
                                                 112 * scale, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        PreviewWindow preview;
        ASSERT_TRUE(preview.Create());
        preview.EmbedInto(pane.get());
        RedrawWindow(preview.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        RECT area{};
        GetClientRect(preview.hwnd(), &area);
        EXPECT_EQ(std::pair(area.right, area.bottom), std::pair(152L * scale, 112L * scale));
        const win32::WindowDc dc(preview.hwnd());
        for (const auto& [x, y, colour] : points) {
            const COLORREF shown = GetPixel(dc.get(), x * scale + scale / 2, y * scale + scale / 2);
            EXPECT_TRUE(Near(shown, colour)) << std::hex << shown << " at " << std::dec << x << "," << y << " x" << scale;
        }
    }
}

}  // namespace
}  // namespace wavorin::preview
