#include "renderer/MipmapUpload.h"

#include <utility>

#include "common/trace/StartupTrace.h"
#include "renderer/Gl.h"
#include "renderer/MipLevels.h"

namespace wavorin::renderer {
namespace {

std::string_view GlText(GLenum which)
{
    const auto* text = reinterpret_cast<const char*>(glGetString(which));
    return text ? std::string_view(text) : std::string_view();
}

bool IsPowerOfTwo(int value) { return value > 0 && (value & (value - 1)) == 0; }

void ClearGlErrors()
{
    for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
    }
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
    const bool anySize = (IsPowerOfTwo(width) && IsPowerOfTwo(height)) ||
                         HasExtension(context.extensions, "GL_ARB_texture_non_power_of_two");
    const bool fits = width > 0 && height > 0 && width <= context.maxTextureSize && height <= context.maxTextureSize;
    return anySize && fits ? MipmapBuilder::PreparedLevels : MipmapBuilder::Glu;
}

MipmapBuilder ChooseMipmapBuilder(int width, int height)
{
    GLint maxSize = 0;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &maxSize);
    return MipmapBuilderFor({GlText(GL_EXTENSIONS), maxSize}, width, height);
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

MipmapBuilder UploadMipmapped(MipmapBuilder preferred, snapshot::Picture picture)
{
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_SKIP_ROWS, 0);
    glPixelStorei(GL_UNPACK_SKIP_PIXELS, 0);
    const int width = picture.width, height = picture.height;

    if (preferred == MipmapBuilder::PreparedLevels) {
        std::vector<snapshot::Picture> smallerLevels = SmallerLevels(picture);
        trace::MarkStartupStep("renderer", "levels made");
        ClearGlErrors();
        glTexImage2D(GL_TEXTURE_2D, 0, 3, width, height, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, picture.pixels.data());
        trace::MarkStartupStep("renderer", "level 0 uploaded");
        for (std::size_t level = 0; level < smallerLevels.size(); ++level) {
            const snapshot::Picture& below = smallerLevels[level];
            glTexImage2D(GL_TEXTURE_2D, GLint(level + 1), 3, below.width, below.height, 0, GL_BGR_EXT,
                         GL_UNSIGNED_BYTE, below.pixels.data());
            std::exchange(smallerLevels[level].pixels, {});
        }
        trace::MarkStartupStep("renderer", "smaller levels uploaded");
        if (glGetError() == GL_NO_ERROR && MipmapChainComplete(width, height)) return MipmapBuilder::PreparedLevels;
        ClearGlErrors();
    }
    // GLU scales a picture whose sides are not powers of two; its result is not needed: a
    // failed build leaves the texture without an image, drawn in its plain colour.
    gluBuild2DMipmaps(GL_TEXTURE_2D, 3, width, height, GL_BGR_EXT, GL_UNSIGNED_BYTE, picture.pixels.data());
    return MipmapBuilder::Glu;
}

}  // namespace wavorin::renderer
