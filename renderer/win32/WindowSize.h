#pragma once
// The window size the host recorded in the settings file before starting the renderer.

#include <cstdint>

namespace wavorin::renderer {

struct WindowSize {
    std::int32_t width = 1024;
    std::int32_t height = 768;
};

// "Width" and "Height" of the settings file; a missing file or key, 0, or text that is not a
// number gives 1024 x 768 (each side on its own).
WindowSize ReadWindowSize();

}  // namespace wavorin::renderer
