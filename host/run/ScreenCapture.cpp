#include "host/run/ScreenCapture.h"

namespace wavorin::run {

snapshot::Picture ScreenImage::ToPicture() const
{
    snapshot::Picture picture;
    picture.width = width_;
    picture.height = height_;
    picture.pixels.assign(bits_, bits_ + size_);
    return picture;
}

std::optional<ScreenImage> CaptureImage(HDC source, int width, int height)
{
    if (width < 1 || height < 1 || width > snapshot::kMaxSide || height > snapshot::kMaxSide) return std::nullopt;
    const std::uint64_t size = *snapshot::RowStride(width) * std::uint64_t(height);
    if (size > snapshot::kMaxPixelBytes) return std::nullopt;
    ScreenImage image;
    image.width_ = width;
    image.height_ = height;
    image.size_ = static_cast<std::size_t>(size);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    image.section_.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win32::UniqueMemoryDc sectionDc(CreateCompatibleDC(nullptr));
    bool copied = false;
    if (image.section_ && sectionDc && bits) {
        win32::SelectedObject selected(sectionDc.get(), image.section_.get());
        // A new section is black; a failed copy leaves it so.
        copied = source && BitBlt(sectionDc.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    }
    if (bits && image.section_) {
        if (copied) GdiFlush();
        image.bits_ = static_cast<const std::uint8_t*>(bits);
    } else {
        image.section_.reset();
        image.black_.assign(image.size_, 0);
        image.bits_ = image.black_.data();
    }
    return image;
}

std::optional<ScreenImage> CaptureScreen(int width, int height)
{
    const win32::WindowDc screen(GetDesktopWindow());
    return CaptureImage(screen.get(), width, height);
}

}  // namespace wavorin::run
