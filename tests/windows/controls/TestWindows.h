#pragma once
// Windows and pixel helpers for the controls' tests.

#include <windows.h>

#include <functional>
#include <ostream>
#include <vector>

#include "host/controls/Colour.h"
#include "host/controls/RetainedImage.h"
#include "host/win32/Window.h"

namespace wavorin::controls::testing {

// A pixel's channels, printed readably when a check fails.
struct Pixel {
    int red = 0, green = 0, blue = 0;
    friend bool operator==(const Pixel&, const Pixel&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Pixel& p)
    {
        return out << "(" << p.red << ", " << p.green << ", " << p.blue << ")";
    }
};

// One row of a drawing's table: these points show this colour.
struct Shows {
    std::vector<POINT> points;
    Pixel colour;
};

Pixel PixelOf(Colour colour);
Pixel PixelAt(const RetainedImage& image, int x, int y);
int CountPixels(const RetainedImage& image, Pixel wanted);
// Every row of the table holds in the image; `what` names the drawing when one does not.
void ExpectShows(const RetainedImage& image, const std::vector<Shows>& table, const char* what);
// Pixels that differ, leaving out a margin at the edges.
int Differences(const RetainedImage& a, const RetainedImage& b, int margin = 0);
// The same between the image and the window on screen after a full repaint of its form,
// without the outermost ring (a shaped window's corners show what lies behind it).
int DifferencesOnScreen(HWND window, const RetainedImage& image);

inline constexpr UINT kPing = WM_APP + 7;  // a test form answers 0x5000 + wParam

// A plain top-level window standing in for a form; it records its own messages.
class TestForm final : public win32::Window {
public:
    bool Create(int width = 640, int height = 400);
    int activations = 0;  // WM_ACTIVATE messages that reached the form's own procedure
    int pings = 0;
    int commands = 0;
    std::function<void()> onPing;  // runs inside the form's own handling of kPing

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

}  // namespace wavorin::controls::testing
