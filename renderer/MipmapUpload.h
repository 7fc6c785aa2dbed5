#pragma once
// Fills the bound texture with a picture and its whole mipmap chain.
//
// A context that takes the picture's sides as they are gets the picture and its smaller
// levels, made beforehand on the CPU: it only copies. GLU's builder, which scales a picture
// to power-of-two sides within the context's limit on the CPU, is the fallback: the GL 1.1
// software renderers of machines without a graphics driver take only such sides, up to 1024.

#include <string_view>

#include "common/snapshot/BmpFormat.h"

namespace wavorin::renderer {

enum class MipmapBuilder { Glu, PreparedLevels };

// What a context says of itself: its GL_EXTENSIONS string and its largest texture side.
struct GlContextTraits {
    std::string_view extensions;
    int maxTextureSize = 0;
};

// The builder a context with these traits supports for a picture of this size. Only the
// non-power-of-two extension, not the version, vouches for other sides: some GL 2.0 drivers
// without it fall back to software or leave such a texture incomplete.
MipmapBuilder MipmapBuilderFor(const GlContextTraits& context, int width, int height);

// The same for the current context.
MipmapBuilder ChooseMipmapBuilder(int width, int height);

// Whether the bound texture holds every level down to 1 x 1 at the sides a picture of this
// size needs.
bool MipmapChainComplete(int width, int height);

// Uploads `picture` into the bound 2D texture; the prepared builder makes its smaller levels
// first and releases each level's pixels once the context has them. The prepared path falls
// back to GLU if the context reports an error or leaves the chain incomplete. Returns the
// builder that did the work.
MipmapBuilder UploadMipmapped(MipmapBuilder preferred, snapshot::Picture picture);

}  // namespace wavorin::renderer
