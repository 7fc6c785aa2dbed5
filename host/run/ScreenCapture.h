#pragma once
// Photographs the screen straight into the snapshot file's row layout.

#include <cstdint>
#include <optional>
#include <vector>

#include <windows.h>

#include "common/snapshot/BmpFormat.h"
#include "host/win32/Handles.h"

namespace wavorin::run {

// A copy of the screen held where it was taken: a 24-bit bottom-up DIB section stores its rows
// exactly as the snapshot file does, so they are written out as they are.
class ScreenImage {
public:
    snapshot::PixelRows Rows() const { return {width_, height_, {bits_, size_}}; }
    // A copy as a picture of its own.
    snapshot::Picture ToPicture() const;

private:
    friend std::optional<ScreenImage> CaptureImage(HDC source, int width, int height);
    std::int32_t width_ = 0;
    std::int32_t height_ = 0;
    win32::UniqueBitmap section_;
    std::vector<std::uint8_t> black_;  // the rows, when no section could be had
    const std::uint8_t* bits_ = nullptr;
    std::size_t size_ = 0;
};

// What `source` shows in its `width` x `height` top-left area. Where it cannot be read (a
// secure desktop, a device context that could not be had, too little memory for a section)
// the picture stays black, so the run still has a desktop picture of the screen's size.
// Nothing only for a size no snapshot file can hold.
std::optional<ScreenImage> CaptureImage(HDC source, int width, int height);

// What the primary screen shows now, copied from the desktop's device context.
std::optional<ScreenImage> CaptureScreen(int width, int height);

}  // namespace wavorin::run
