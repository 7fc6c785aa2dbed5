#pragma once
// The dialog's labels and images: a text or a small picture on a backdrop, drawn by hand so
// it shows the frame panel's face (or the dialog's colour) through its transparent parts.
// Mouse buttons pressed on it are reported. A label that stands for an option takes the
// keyboard focus as an option button does: the arrow keys and Space are reported, and it shows
// a focus cue while the system shows keyboard cues.

#include <windows.h>

#include <functional>
#include <string>

#include "host/controls/RetainedImage.h"
#include "host/win32/Window.h"

namespace wavorin::dialog {

struct LabelLook {
    HFONT font = nullptr;                               // not owned
    const controls::RetainedImage* backdrop = nullptr;  // the parent's face, or nullptr for `colour`
    COLORREF colour = RGB(224, 224, 224);
    bool border = false;   // a thin single black line around it
    bool centred = false;  // text centred across
    bool etched = false;   // a black outline with a white one a pixel below and right of it
    int textTop = 0;       // where the text starts, from the top
};

class DialogLabel final : public win32::Window {
public:
    bool Create(HWND parent, int x, int y, int width, int height, std::wstring text, const LabelLook& look);

    const std::wstring& Text() const { return text_; }
    void SetText(std::wstring text);
    // A picture drawn at the top-left corner instead of text; not owned, nullptr for none.
    void SetPicture(HBITMAP picture);
    HBITMAP Picture() const { return picture_; }

    std::function<void()> onMouseDown;

    // Makes it an option's label: focusable, told the arrow keys (-1 up or left, +1 down or
    // right) and Space.
    std::function<void(int step)> onArrowKey;
    std::function<void()> onSpaceKey;
    // Whether Tab stops here.
    void SetTabStop(bool tabStop);

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Paint();
    int TextWidth() const;
    void PaintBackdrop(HDC dc, const RECT& client);
    LRESULT OnKeyDown(WPARAM key, LPARAM flags);
    bool ShowsFocusCue() const;

    std::wstring text_;
    LabelLook look_;
    HBITMAP picture_ = nullptr;
};

}  // namespace wavorin::dialog
