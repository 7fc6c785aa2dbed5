#include "renderer/offscreen/OffscreenGl.h"

#include <GL/gl.h>

namespace wavorin::renderer {

OffscreenGl::OffscreenGl(int width, int height)
    : width_(width), height_(height), buffer_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height) * 4)
{
    context_ = OSMesaCreateContextExt(OSMESA_RGBA, 16, 0, 0, nullptr);
    if (context_) current_ = OSMesaMakeCurrent(context_, buffer_.data(), GL_UNSIGNED_BYTE, width, height);
}

OffscreenGl::~OffscreenGl()
{
    if (context_) OSMesaDestroyContext(context_);
}

snapshot::Picture OffscreenGl::Read() const
{
    snapshot::Picture picture = snapshot::MakePicture(width_, height_);
    glFinish();
    // The picture's rows are bottom-up and padded to 4 bytes, exactly what GL hands back.
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, width_, height_, GL_BGR, GL_UNSIGNED_BYTE, picture.pixels.data());
    return picture;
}

}  // namespace wavorin::renderer

// Mesa keeps a few of its own allocations until the process ends; they are not ours to free.
extern "C" const char* __lsan_default_suppressions() { return "leak:libOSMesa.so\nleak:libgallium\nleak:libLLVM\n"; }
