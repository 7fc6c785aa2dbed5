#include "host/controls/RetainedImage.h"

#include "host/controls/GdiSupport.h"

namespace wavorin::controls {

RetainedImage::~RetainedImage()
{
    // The bitmap must leave the device context before either is deleted.
    if (dc_ && originalBitmap_) SelectObject(dc_.get(), originalBitmap_);
}

bool RetainedImage::Resize(int width, int height)
{
    if (!dc_) {
        dc_.reset(CreateCompatibleDC(nullptr));
        if (!dc_) return false;
    }
    if (originalBitmap_) SelectObject(dc_.get(), originalBitmap_);
    bitmap_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
    if (width <= 0 || height <= 0) return false;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down: row y starts at y * width
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(CreateDIBSection(dc_.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap_ || !bits) {
        bitmap_.reset();
        return false;
    }
    const HGDIOBJ previous = SelectObject(dc_.get(), bitmap_.get());
    if (!originalBitmap_) originalBitmap_ = previous;
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

COLORREF RetainedImage::Pixel(int x, int y) const
{
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    GdiFlush();  // GDI may still be drawing into the bits
    const std::uint32_t bgr = bits_[static_cast<std::size_t>(y) * width_ + x];
    return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

void RetainedImage::SetPixel(int x, int y, COLORREF colour)
{
    if (!bits_ || x < 0 || y < 0 || x >= width_ || y >= height_) return;
    GdiFlush();
    bits_[static_cast<std::size_t>(y) * width_ + x] =
        (std::uint32_t{GetRValue(colour)} << 16) | (std::uint32_t{GetGValue(colour)} << 8) | GetBValue(colour);
}

void RetainedImage::Show(HDC target) const
{
    if (bits_) BitBlt(target, 0, 0, width_, height_, dc_.get(), 0, 0, SRCCOPY);
}

}  // namespace wavorin::controls
