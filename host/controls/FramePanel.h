#pragma once
// The frame panel as a Win32 child window: a decorative container that draws its frame and
// drop shadow into a retained image and holds child controls over it.

#include <windows.h>

#include <functional>
#include <string_view>

#include "host/controls/FramePanelProperties.h"
#include "host/controls/RetainedImage.h"
#include "host/win32/Window.h"

namespace wavorin::controls {

inline constexpr wchar_t kFramePanelClass[] = L"Wavorin_FramePanel";

class FramePanel final : public win32::Window {
public:
    // `ambientBack` is the container's background colour, which a new panel's colours
    // default to and which the face is cleared to while BackColourIs is 0.
    bool Create(HWND parent, int x, int y, int width, int height, COLORREF ambientBack, int id = 0);

    // A new panel: the defaults, without drawing (it draws at its next resize or change).
    void InitProperties();
    // A panel with stored properties: read as stored, then drawn.
    void ReadProperties(const PropertyStore& store);
    PropertyStore WriteProperties() const;

    // The container's background colour changed: the panel redraws.
    void SetAmbientBackColour(COLORREF colour);
    COLORREF AmbientBackColour() const { return static_cast<COLORREF>(ambientBack_); }

    const FramePanelProperties& Properties() const { return properties_; }
    void SetFrameStyle(std::int32_t style);
    void SetShadowOpacity(int percent);
    void SetShowShadow(bool show);
    void SetShadowDepth(int pixels);
    void SetFillColour(COLORREF colour);
    void SetBackColour(COLORREF colour);
    void SetBackColourIs(std::int32_t which);
    void SetBorderColour(COLORREF colour);
    void SetCornerDepth(int pixels);

    // Redraws the whole face.
    void Refresh();

    const RetainedImage& FaceImage() const { return image_; }

    // Told the key of every property that a setter changes.
    std::function<void(std::string_view key)> onPropertyChanged;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Changed(std::string_view key);

    FramePanelProperties properties_;
    Colour ambientBack_ = 0;
    RetainedImage image_;
};

}  // namespace wavorin::controls
