#pragma once
// Fills the bound texture with a picture and its whole mipmap chain.
//
// GLU's builder scales a picture to power-of-two sides on the CPU, which for a screen capture
// is most of the renderer's start-up. A context that can build the chain itself (generated
// mipmaps, with pictures of any size) takes the picture as it is; GLU stays the fallback.

#include <string_view>

namespace wavorin::renderer {

enum class MipmapBuilder { Glu, GeneratedByGl };

// What a context says of itself: its GL_VERSION and GL_EXTENSIONS strings and its largest
// texture side.
struct GlContextTraits {
    std::string_view version;
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

// Uploads tightly described 24-bit rows (blue, green, red; rows padded to 4 bytes; bottom row
// first) into the bound 2D texture. The generated path falls back to GLU if the context
// reports an error or leaves the chain incomplete. Returns the builder that did the work.
MipmapBuilder UploadMipmapped(MipmapBuilder preferred, int width, int height, const void* bgrRows);

}  // namespace wavorin::renderer
