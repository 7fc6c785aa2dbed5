#pragma once
// A banner box: shows one frame of the banner strip at a time, wears the banner cursor, and
// reports a click.

#include <windows.h>

#include <functional>

#include "host/win32/Window.h"

namespace wavorin::dialog {

class BannerBox final : public win32::Window {
public:
    // `strip` holds the frames one below the other, frame 1 at the top; not owned.
    bool Create(HWND parent, int x, int y, int width, int height, HBITMAP strip, int frameHeight, HCURSOR cursor);

    // Shows frame 1..24; 0 shows the empty box.
    void ShowFrame(int frame);
    int Frame() const { return frame_; }

    std::function<void()> onClick;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();

    HBITMAP strip_ = nullptr;
    int frameHeight_ = 0;
    int frame_ = 0;
    bool pressed_ = false;
};

}  // namespace wavorin::dialog
