// Which mipmap builder a context's own description allows.

#include <gtest/gtest.h>

#include "renderer/MipmapUpload.h"

namespace wavorin::renderer {
namespace {

constexpr auto Gl = MipmapBuilder::GeneratedByGl;
constexpr auto Glu = MipmapBuilder::Glu;

TEST(MipmapUpload, TheContextMustVouchForGenerationAndForTheSides)
{
    const char* npot = "GL_EXT_bgra GL_ARB_texture_non_power_of_two";
    struct Row {
        const char* version;
        const char* extensions;
        int maxSize, width, height;
        MipmapBuilder expected;
    } rows[] = {
        {"4.5 (Compatibility Profile) Mesa 22.3.6", npot, 16384, 1920, 1080, Gl},
        {"2.1 ATI-1.2", "GL_EXT_bgra", 8192, 1920, 1080, Glu},  // GL 2.0 without the extension
        {"2.1 ATI-1.2", "GL_EXT_bgra", 8192, 1024, 512, Gl},    // sides that are powers of two
        {"1.4", "GL_ARB_texture_non_power_of_two_x", 8192, 1000, 512, Glu},
        {"1.3", npot, 8192, 1920, 1080, Glu},  // no generation before 1.4
        {"1.3", "GL_SGIS_generate_mipmap GL_ARB_texture_non_power_of_two", 8192, 1920, 1080, Gl},
        {"1.3", "GL_SGIS_generate_mipmap_extra", 8192, 256, 256, Glu},
        {"1.1.0", "", 1024, 256, 256, Glu},
        {"14.0", npot, 16384, 1920, 1080, Gl},
        {"OpenGL ES 3.2", npot, 16384, 1920, 1080, Glu},
        {"4.", npot, 16384, 1920, 1080, Glu},
        {"99999999999.1", npot, 16384, 1920, 1080, Glu},
        {"4.5", npot, 4096, 7680, 4320, Glu},  // larger than the context takes
        {"4.5", npot, 4096, 4096, 4096, Gl},
        {"4.5", npot, 4096, 0, 768, Glu},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(MipmapBuilderFor({row.version, row.extensions, row.maxSize}, row.width, row.height), row.expected)
            << row.version << " [" << row.extensions << "] " << row.width << "x" << row.height;
    }
}

}  // namespace
}  // namespace wavorin::renderer
