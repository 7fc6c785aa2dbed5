// The preview window's picture, read back from real GDI: hosted in-process here, since
// Wine does not draw a child window that belongs to another process.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "host/assets/Resources.h"
#include "host/startup/PreviewWindow.h"
#include "host/win32/Handles.h"

namespace wavorin::host {
namespace {

struct Pixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> bgra;  // top-down
    std::uint32_t At(int x, int y) const { return bgra[std::size_t(y) * std::size_t(width) + std::size_t(x)]; }
};

Pixels ReadBitmap(HDC dc, HBITMAP bitmap, int width, int height)
{
    Pixels pixels{width, height, std::vector<std::uint32_t>(std::size_t(width) * std::size_t(height))};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    GetDIBits(dc, bitmap, 0, UINT(height), pixels.bgra.data(), &info, DIB_RGB_COLORS);
    return pixels;
}

Pixels BuiltInPicture()
{
    win32::UniqueBitmap picture(static_cast<HBITMAP>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_PREVIEW), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    BITMAP info{};
    GetObjectW(picture.get(), sizeof info, &info);
    win32::WindowDc screen(nullptr);
    return ReadBitmap(screen.get(), picture.get(), info.bmWidth, info.bmHeight);
}

// What the window shows, copied out of its device context.
Pixels Capture(HWND window, int width, int height)
{
    win32::WindowDc source(window);
    win32::UniqueMemoryDc copy(CreateCompatibleDC(source.get()));
    win32::UniqueBitmap bitmap(CreateCompatibleBitmap(source.get(), width, height));
    {
        win32::SelectedObject selected(copy.get(), bitmap.get());
        BitBlt(copy.get(), 0, 0, width, height, source.get(), 0, 0, SRCCOPY);
    }
    return ReadBitmap(copy.get(), bitmap.get(), width, height);
}

int ChannelDistance(std::uint32_t a, std::uint32_t b)
{
    int worst = 0;
    for (int shift : {0, 8, 16}) worst = std::max(worst, std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)));
    return worst;
}

void Pump()
{
    MSG message;
    for (int i = 0; i < 20; ++i) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        Sleep(10);
    }
}

class PreviewWindowTest : public ::testing::TestWithParam<int> {};

TEST_P(PreviewWindowTest, ShowsTheBuiltInPictureStretchedOverTheWholePane)
{
    const int scale = GetParam();
    const Pixels picture = BuiltInPicture();
    ASSERT_EQ(picture.width, 152);
    ASSERT_EQ(picture.height, 112);
    const int width = picture.width * scale, height = picture.height * scale;

    win32::UniqueWindow pane(CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0, 0, width, height, nullptr,
                                             nullptr, GetModuleHandleW(nullptr), nullptr));
    PreviewWindow preview;
    ASSERT_TRUE(preview.Create());
    preview.EmbedInto(pane.get());
    UpdateWindow(preview.hwnd());
    Pump();

    RECT area{};
    GetClientRect(preview.hwnd(), &area);
    EXPECT_EQ(area.right, width);
    EXPECT_EQ(area.bottom, height);

    const Pixels shown = Capture(preview.hwnd(), width, height);
    int mismatched = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) {
            // The middle of each picture pixel's stretched cell.
            const std::uint32_t expected = picture.At(x, y);
            const std::uint32_t actual = shown.At(x * scale + scale / 2, y * scale + scale / 2);
            if (ChannelDistance(expected, actual) > (scale == 1 ? 2 : 48)) ++mismatched;
        }
    }
    // Stretching blends the edges of sharp features; the picture itself must be there.
    const int allowed = scale == 1 ? 0 : picture.width * picture.height / 20;
    EXPECT_LE(mismatched, allowed);
}

INSTANTIATE_TEST_SUITE_P(PaneSizes, PreviewWindowTest, ::testing::Values(1, 2));

}  // namespace
}  // namespace wavorin::host
