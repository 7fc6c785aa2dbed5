#pragma once
// Fills the bound texture with a picture and its whole mipmap chain.
//
// GLU's builder scales a picture to power-of-two sides on the CPU, which for a screen capture
// is most of the renderer's start-up. A context that can build the chain itself (generated
// mipmaps, with pictures of any size) takes the picture as it is; GLU stays the fallback.

#include <string_view>

namespace wavorin::renderer {

enum class MipmapBuilder { Glu, GeneratedByGl };

struct GlVersion {
    int major = 0;
    int minor = 0;
};

// "4.5 (Compatibility Profile) Mesa 22.3.6" gives 4.5; text without a version gives 0.0.
GlVersion ParseGlVersion(std::string_view text);

// Whether a space-separated extension list names this extension exactly.
bool HasExtension(std::string_view extensions, std::string_view name);

// The builder the current context supports for a picture of this size.
MipmapBuilder ChooseMipmapBuilder(int width, int height);

// Uploads tightly described 24-bit rows (blue, green, red; rows padded to 4 bytes; bottom row
// first) into the bound 2D texture. The generated path falls back to GLU if the context
// reports an error. Returns the builder that did the work.
MipmapBuilder UploadMipmapped(MipmapBuilder preferred, int width, int height, const void* bgrRows);

}  // namespace wavorin::renderer
