#pragma once

#include <optional>

#include <windows.h>

#include "common/snapshot/BmpFormat.h"

namespace wavorin::run {

// What `source` shows in its `width` x `height` top-left area. Where it cannot be read (a
// secure desktop, a device context that could not be had, too little memory for a copy)
// the picture stays black, so the run still has a desktop picture of the screen's size.
// Nothing only for a size no snapshot file can hold.
std::optional<snapshot::Picture> CapturePicture(HDC source, int width, int height);

// What the primary screen shows now, copied from the desktop's device context.
std::optional<snapshot::Picture> CaptureScreen(int width, int height);

}  // namespace wavorin::run
