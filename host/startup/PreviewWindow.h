#pragma once
// Zelvane_R: the still picture of the scene, embedded in the preview pane of the
// system's screensaver settings.

#include "host/win32/PictureControl.h"
#include "host/win32/Window.h"

namespace wavorin::host {

class PreviewWindow final : public win32::Window {
public:
    // Created hidden, as a borderless black popup.
    bool Create();
    // Becomes a child of `parent`, takes its size, shows itself. The program ends when the
    // window is gone: when the parent is destroyed, or found not to be a window.
    void EmbedInto(HWND parent);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Form_Unload();
    void WatchParent();

    win32::PictureControl Img_Prev;
    HWND parent_ = nullptr;
};

}  // namespace wavorin::host
