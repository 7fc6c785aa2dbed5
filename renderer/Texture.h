#pragma once
// One OpenGL texture made from a snapshot file.

#include <cstdint>
#include <optional>

#include "renderer/MipmapUpload.h"

namespace wavorin::renderer {

class Texture {
public:
    Texture() = default;
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;
    ~Texture() { Release(); }

    // Deletes the texture this holder owns, if any. Without a current context the call
    // does nothing: the context's own deletion has taken the texture with it.
    void Release();

    // A new texture for `path`, bound, repeating, filtered linearly with nearest mipmaps.
    bool Create(const char* path);

    // Create, then fill the texture from the BMP file at `path`. False when the file is
    // missing or unusable: the texture stays bound without an image, so what is drawn with
    // it shows its plain colour.
    bool LoadBmp(const char* path);

    void Bind() const;

    const char* Name() const { return name; }
    bool OwnsTexture() const { return texture != 0; }
    unsigned GlName() const { return texture - 1; }
    std::int32_t Width() const { return width; }
    std::int32_t Height() const { return height; }
    // Which builder filled the texture, after a LoadBmp that uploaded a picture.
    MipmapBuilder Builder() const { return builder; }

    // Makes LoadBmp ask for this builder instead of the one the context suits best, so the
    // two can be compared.
    void ForceBuilder(MipmapBuilder forced) { forcedBuilder = forced; }

private:
    char name[64] = {};
    std::uint32_t texture = 0;  // the GL texture name plus one; 0 owns none
    std::int32_t width = 0;
    std::int32_t height = 0;
    MipmapBuilder builder = MipmapBuilder::Glu;
    std::optional<MipmapBuilder> forcedBuilder;
};

}  // namespace wavorin::renderer
