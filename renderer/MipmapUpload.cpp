#include "renderer/MipmapUpload.h"

#include <cctype>

#include "renderer/Gl.h"

namespace wavorin::renderer {
namespace {

std::string_view GlText(GLenum which)
{
    const auto* text = reinterpret_cast<const char*>(glGetString(which));
    return text ? std::string_view(text) : std::string_view();
}

bool IsPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

struct GlVersion {
    int major = 0;
    int minor = 0;
};

bool AtLeast(GlVersion version, int major, int minor)
{
    return version.major > major || (version.major == major && version.minor >= minor);
}

void ClearGlErrors()
{
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
}

// "4.5 (Compatibility Profile) Mesa 22.3.6" gives 4.5; text without a version gives 0.0.
GlVersion ParseGlVersion(std::string_view text)
{
    std::size_t i = 0;
    auto number = [&](int& into) {
        const std::size_t start = i;
        into = 0;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])) && i - start < 4) {
            into = into * 10 + (text[i++] - '0');
        }
        return i > start;
    };
    GlVersion parsed;
    if (!number(parsed.major) || i >= text.size() || text[i++] != '.' || !number(parsed.minor)) return {};
    return parsed;
}

// Whether a space-separated extension list names this extension exactly.
bool HasExtension(std::string_view extensions, std::string_view name)
{
    while (!extensions.empty()) {
        const std::size_t end = extensions.find(' ');
        if (extensions.substr(0, end) == name) return true;
        if (end == std::string_view::npos) break;
        extensions.remove_prefix(end + 1);
    }
    return false;
}

}  // namespace

MipmapBuilder MipmapBuilderFor(const GlContextTraits& context, int width, int height)
{
    const bool generates = AtLeast(ParseGlVersion(context.version), 1, 4) ||
                           HasExtension(context.extensions, "GL_SGIS_generate_mipmap");
    const bool anySize = (IsPowerOfTwo(width) && IsPowerOfTwo(height)) ||
                         HasExtension(context.extensions, "GL_ARB_texture_non_power_of_two");
    const bool fits = width > 0 && height > 0 && width <= context.maxTextureSize && height <= context.maxTextureSize;
    return generates && anySize && fits ? MipmapBuilder::GeneratedByGl : MipmapBuilder::Glu;
}

MipmapBuilder ChooseMipmapBuilder(int width, int height)
{
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    return MipmapBuilderFor({GlText(GL_VERSION), GlText(GL_EXTENSIONS), maxSize}, width, height);
}

bool MipmapChainComplete(int width, int height)
{
    for (GLint level = 0;; ++level) {
        GLint levelWidth = 0, levelHeight = 0;
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_WIDTH, &levelWidth);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, level, GL_TEXTURE_HEIGHT, &levelHeight);
        if (levelWidth != width || levelHeight != height) return false;
        if (width == 1 && height == 1) return true;
        width = width > 1 ? width / 2 : 1;
        height = height > 1 ? height / 2 : 1;
    }
}

MipmapBuilder UploadMipmapped(MipmapBuilder preferred, int width, int height, const void* bgrRows)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);

    if (preferred == MipmapBuilder::GeneratedByGl) {
        ClearGlErrors();
        glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, GL_TRUE);
        glTexImage2D(GL_TEXTURE_2D, 0, 3, width, height, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, bgrRows);
        if (glGetError() == GL_NO_ERROR && MipmapChainComplete(width, height)) return MipmapBuilder::GeneratedByGl;
        glTexParameteri(GL_TEXTURE_2D, GL_GENERATE_MIPMAP, GL_FALSE);
        ClearGlErrors();
    }
    // GLU scales a picture whose sides are not powers of two; its result is not needed: a
    // failed build leaves the texture without an image, drawn in its plain colour.
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_BGR_EXT, GL_UNSIGNED_BYTE, bgrRows);
    return MipmapBuilder::Glu;
}

}  // namespace wavorin::renderer
