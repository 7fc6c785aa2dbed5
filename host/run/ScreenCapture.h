#pragma once

#include <optional>

#include "common/snapshot/BmpFormat.h"

namespace wavorin::host {

// What the primary screen shows now, `width` x `height` pixels from its top-left corner,
// copied from the desktop's device context.
std::optional<snapshot::Picture> CaptureScreen(int width, int height);

}  // namespace wavorin::host
