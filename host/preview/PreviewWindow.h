#pragma once
// The still picture of the scene, embedded in the preview pane of the system's screensaver
// settings.

#include "host/win32/PictureControl.h"
#include "host/win32/Window.h"

namespace wavorin::preview {

inline constexpr wchar_t kPreviewWindowTitle[] = L"Preview Window";


class PreviewWindow final : public win32::Window {
public:
    // Created hidden, as a borderless black popup.
    bool Create();
    // Becomes a child of `parent`, takes its size, shows itself. The program ends when the
    // window is gone: when the parent is destroyed, or found not to be a window.
    void EmbedInto(HWND parent);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnDestroy();
    void WatchParent();

    win32::PictureControl stillPicture_;
    HWND parent_ = nullptr;
};

}  // namespace wavorin::preview
