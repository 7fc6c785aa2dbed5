#pragma once
// Windows and pixel helpers for the controls' tests.

#include <windows.h>

#include <functional>
#include <ostream>

#include "host/controls/Colour.h"
#include "host/controls/RetainedImage.h"
#include "host/win32/Window.h"

namespace wavorin::controls::testing {

// A pixel's channels, printed readably when a check fails.
struct Pixel {
    int red = 0;
    int green = 0;
    int blue = 0;

    friend bool operator==(const Pixel&, const Pixel&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Pixel& p)
    {
        return out << "(" << p.red << ", " << p.green << ", " << p.blue << ")";
    }
};

Pixel PixelOf(COLORREF colour);
Pixel PixelOf(Colour colour);
Pixel PixelAt(const RetainedImage& image, int x, int y);
int CountPixels(const RetainedImage& image, Pixel wanted);

inline constexpr UINT kPing = WM_APP + 7;  // a test form answers 0x5000 + wParam

// A plain top-level window standing in for a form; it records its own messages.
class TestForm final : public win32::Window {
public:
    bool Create(int width = 640, int height = 400, DWORD exStyle = 0);
    int activations = 0;  // WM_ACTIVATE messages that reached the form's own procedure
    int pings = 0;        // kPing messages that reached it
    int commands = 0;     // WM_COMMAND messages that reached it
    std::function<void()> onPing;  // runs inside the form's own handling of kPing

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
};

// Lets the posted messages of this thread run.
void PumpMessages();

}  // namespace wavorin::controls::testing
