#pragma once
// An offscreen OpenGL context (OSMesa) of a fixed size, current for as long as it lives:
// the scene draws into it exactly as into the window, and its pixels can be read back.

#include <GL/osmesa.h>

#include <cstdint>
#include <vector>

#include "common/snapshot/BmpFormat.h"

namespace wavorin::renderer {

class OffscreenGl {
public:
    OffscreenGl(int width, int height);  // RGBA colour, 16-bit depth, like the window's format
    OffscreenGl(const OffscreenGl&) = delete;
    OffscreenGl& operator=(const OffscreenGl&) = delete;
    ~OffscreenGl();

    bool Ok() const { return current_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The colour buffer as a picture, read back with glReadPixels after the GL has finished.
    snapshot::Picture Read() const;

private:
    int width_;
    int height_;
    std::vector<std::uint8_t> buffer_;
    OSMesaContext context_ = nullptr;
    bool current_ = false;
};

}  // namespace wavorin::renderer
