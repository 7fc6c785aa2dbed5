#pragma once
// Stand-ins for the two pictures a screensaver run hands to the renderer, drawn in code so
// that tests, benchmarks and the preview still need no files: a desktop as a screen capture
// shows it, and a seamless 128 x 128 ring surface.

#include <cstdint>

#include "common/snapshot/BmpFormat.h"

namespace wavorin::tools {

// A desktop: a blue wallpaper with a soft glow, icons down the left side, one open window
// with a title bar and lines of text, and a taskbar along the bottom.
snapshot::Picture MakeDesktopPicture(std::int32_t width, std::int32_t height);

// Orange and red flames that tile seamlessly in both directions: a quick stand-in for the
// built-in ring pictures where their generator is not built (Windows-side tools, benchmarks).
snapshot::Picture MakeSampleRingPicture(std::int32_t size = 128);

}  // namespace wavorin::tools
