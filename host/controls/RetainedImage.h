#pragma once
// A control's retained face: a 32-bit top-down DIB section in a memory device context that
// the control draws into and its window shows on every repaint.

#include <windows.h>

#include <cstdint>

#include "host/win32/Handles.h"

namespace wavorin::controls {

class RetainedImage {
public:
    RetainedImage() = default;
    RetainedImage(const RetainedImage&) = delete;
    RetainedImage& operator=(const RetainedImage&) = delete;
    ~RetainedImage();

    // A new, black image of the given size; false (and no image) when GDI refuses.
    bool Resize(int width, int height);

    HDC dc() const { return dc_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

    // GetPixel-style access: CLR_INVALID outside the image.
    COLORREF Pixel(int x, int y) const;
    void SetPixel(int x, int y, COLORREF colour);

    // Copies the image to `target` at the origin.
    void Show(HDC target) const;

private:
    win32::UniqueMemoryDc dc_;
    win32::UniqueBitmap bitmap_;
    HGDIOBJ originalBitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

}  // namespace wavorin::controls
