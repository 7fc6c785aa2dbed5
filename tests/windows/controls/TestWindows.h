#pragma once
// A form standing in for the settings dialog and the pixel helpers of the controls' tests.

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "host/controls/RetainedImage.h"
#include "host/win32/Window.h"

namespace wavorin::controls::testing {

struct Pixel {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Pixel& p) { return out << "(" << p.red << ", " << p.green << ", " << p.blue << ")"; }
};

inline Pixel PixelAt(const RetainedImage& image, int x, int y)
{
    const COLORREF c = image.Pixel(x, y);
    return c == CLR_INVALID ? Pixel{-1, -1, -1} : Pixel{GetRValue(c), GetGValue(c), GetBValue(c)};
}

inline int CountPixels(const RetainedImage& image, Pixel wanted)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y) for (int x = 0; x < image.width(); ++x) count += PixelAt(image, x, y) == wanted;
    return count;
}

// One row of a drawing's table: these points show this colour.
struct Shows {
    std::vector<POINT> points;
    Pixel colour;
};

inline void ExpectShows(const RetainedImage& image, const std::vector<Shows>& table, const std::string& what)
{
    for (const Shows& row : table) {
        for (POINT p : row.points) EXPECT_EQ(PixelAt(image, p.x, p.y), row.colour) << what << " at " << p.x << ", " << p.y;
    }
}

// Pixels that differ, leaving out a margin at the edges.
inline int Differences(const RetainedImage& a, const RetainedImage& b, int margin = 0)
{
    int differences = 0;
    for (int y = margin; y < a.height() - margin; ++y) {
        for (int x = margin; x < a.width() - margin; ++x) differences += !(PixelAt(a, x, y) == PixelAt(b, x, y));
    }
    return differences;
}

// The same between the image and the window on screen after a full repaint of its form,
// without the outermost ring (a shaped window's corners show what lies behind it).
inline int DifferencesOnScreen(HWND window, const RetainedImage& image)
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

inline constexpr UINT kPing = WM_APP + 7;  // a test form answers 0x5000 + wParam

// A plain top-level window that records what reaches its own procedure.
class TestForm final : public win32::Window {
public:
    bool Create(int width = 640, int height = 400)
    {
        static const win32::WindowClass kClass{L"Wavorin_TestForm", 0, static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH))};
        return Window::Create(kClass, L"test form", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 0, 20, 20, width, height, nullptr);
    }
    int activations = 0, commands = 0;  // WM_ACTIVATE and WM_COMMAND messages
    std::function<void()> onPing;       // runs inside the form's own handling of kPing

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        activations += message == WM_ACTIVATE;
        commands += message == WM_COMMAND;
        if (message != kPing) return Window::HandleMessage(message, wParam, lParam);
        if (onPing) onPing();
        return static_cast<LRESULT>(0x5000 + wParam);
    }
};

}  // namespace wavorin::controls::testing
