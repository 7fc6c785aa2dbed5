#include "TestWindows.h"

#include <gtest/gtest.h>

namespace wavorin::controls::testing {

Pixel PixelOf(Colour colour)
{
    return {colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF};
}

Pixel PixelAt(const RetainedImage& image, int x, int y)
{
    const COLORREF colour = image.Pixel(x, y);
    return colour == CLR_INVALID ? Pixel{-1, -1, -1} : PixelOf(static_cast<Colour>(colour));
}

int CountPixels(const RetainedImage& image, Pixel wanted)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += PixelAt(image, x, y) == wanted;
    }
    return count;
}

void ExpectShows(const RetainedImage& image, const std::vector<Shows>& table, const char* what)
{
    for (const Shows& row : table) {
        for (POINT p : row.points) EXPECT_EQ(PixelAt(image, p.x, p.y), row.colour) << what << " at " << p.x << ", " << p.y;
    }
}

int Differences(const RetainedImage& a, const RetainedImage& b, int margin)
{
    int differences = 0;
    for (int y = margin; y < a.height() - margin; ++y) {
        for (int x = margin; x < a.width() - margin; ++x) differences += !(PixelAt(a, x, y) == PixelAt(b, x, y));
    }
    return differences;
}

int DifferencesOnScreen(HWND window, const RetainedImage& image)
{
    const HWND form = GetAncestor(window, GA_ROOT);
    ShowWindow(form, SW_SHOWNORMAL);
    RedrawWindow(form, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    RetainedImage screen;
    screen.Resize(image.width(), image.height());
    {
        win32::WindowDc dc(window);
        BitBlt(screen.dc(), 0, 0, image.width(), image.height(), dc.get(), 0, 0, SRCCOPY);
    }
    const int differences = Differences(screen, image, 1);
    ShowWindow(form, SW_HIDE);
    return differences;
}

bool TestForm::Create(int width, int height)
{
    static const win32::WindowClass kClass{L"Wavorin_TestForm", 0, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH))};
    return Window::Create(kClass, L"test form", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 20, 20, width, height, nullptr);
}

LRESULT TestForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kPing) {
        ++pings;
        if (onPing) onPing();
        return static_cast<LRESULT>(0x5000 + wParam);
    }
    activations += message == WM_ACTIVATE;
    commands += message == WM_COMMAND;
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace wavorin::controls::testing
