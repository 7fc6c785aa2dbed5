#pragma once
// A child window that shows a bitmap stretched to its own size.

#include "host/win32/Handles.h"
#include "host/win32/Window.h"

namespace wavorin::win32 {

class PictureControl final : public Window {
public:
    // Takes ownership of the bitmap.
    bool Create(HWND parent, UniqueBitmap picture, int x, int y, int width, int height);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();

    UniqueBitmap picture_;
};

}  // namespace wavorin::win32
