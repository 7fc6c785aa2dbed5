#include "TestWindows.h"

namespace wavorin::controls::testing {

Pixel PixelOf(COLORREF colour)
{
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

Pixel PixelOf(Colour colour)
{
    return PixelOf(static_cast<COLORREF>(colour) & 0xFFFFFF);
}

Pixel PixelAt(const RetainedImage& image, int x, int y)
{
    const COLORREF colour = image.Pixel(x, y);
    if (colour == CLR_INVALID) return {-1, -1, -1};
    return PixelOf(colour);
}

int CountPixels(const RetainedImage& image, Pixel wanted)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) count += PixelAt(image, x, y) == wanted;
    }
    return count;
}

bool TestForm::Create(int width, int height, DWORD exStyle)
{
    static const win32::WindowClass kClass{L"Wavorin_TestForm", 0,
                                           static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH))};
    return Window::Create(kClass, L"test form", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, exStyle, 20, 20, width, height,
                          nullptr);
}

LRESULT TestForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kPing) {
        ++pings;
        if (onPing) onPing();
        return static_cast<LRESULT>(0x5000 + wParam);
    }
    if (message == WM_ACTIVATE) ++activations;
    if (message == WM_COMMAND) ++commands;
    return Window::HandleMessage(message, wParam, lParam);
}

void PumpMessages()
{
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace wavorin::controls::testing
