#include "host/run/ScreenCapture.h"

#include <cstring>

#include "host/win32/Handles.h"

namespace wavorin::run {

std::optional<snapshot::Picture> CapturePicture(HDC source, int width, int height)
{
    if (width < 1 || height < 1 || width > snapshot::kMaxSide || height > snapshot::kMaxSide) return std::nullopt;
    if (*snapshot::RowStride(width) * std::uint64_t(height) > snapshot::kMaxPixelBytes) return std::nullopt;
    snapshot::Picture picture = snapshot::MakePicture(width, height);

    // A 24-bit bottom-up section stores its rows exactly as the snapshot file does.
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win32::UniqueBitmap master(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    win32::UniqueMemoryDc masterDc(CreateCompatibleDC(nullptr));
    if (!master || !masterDc || !bits) return picture;
    bool copied = false;
    {
        win32::SelectedObject selected(masterDc.get(), master.get());
        copied = source && BitBlt(masterDc.get(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    }
    if (!copied) return picture;
    GdiFlush();
    std::memcpy(picture.pixels.data(), bits, picture.pixels.size());
    return picture;
}

std::optional<snapshot::Picture> CaptureScreen(int width, int height)
{
    const win32::WindowDc screen(GetDesktopWindow());
    return CapturePicture(screen.get(), width, height);
}

}  // namespace wavorin::run
