// How the upload reads the context's version and extension strings.

#include <gtest/gtest.h>

#include "renderer/MipmapUpload.h"

namespace wavorin::renderer {
namespace {

TEST(MipmapUpload, ReadsTheVersionAtTheStartOfTheString)
{
    auto version = ParseGlVersion("4.5 (Compatibility Profile) Mesa 22.3.6");
    EXPECT_EQ(version.major, 4);
    EXPECT_EQ(version.minor, 5);
    version = ParseGlVersion("1.1.0");
    EXPECT_EQ(version.major, 1);
    EXPECT_EQ(version.minor, 1);
    version = ParseGlVersion("2.1 ATI-1.2");
    EXPECT_EQ(version.major, 2);
    EXPECT_EQ(version.minor, 1);
    for (const char* broken : {"", "OpenGL ES 3.2", "4", "4.", ".5", "99999999999.1"}) {
        version = ParseGlVersion(broken);
        EXPECT_EQ(version.major, 0) << broken;
        EXPECT_EQ(version.minor, 0) << broken;
    }
}

TEST(MipmapUpload, FindsWholeExtensionNamesOnly)
{
    const char* list = "GL_EXT_bgra GL_SGIS_generate_mipmap_extra GL_ARB_texture_non_power_of_two";
    EXPECT_TRUE(HasExtension(list, "GL_EXT_bgra"));
    EXPECT_TRUE(HasExtension(list, "GL_ARB_texture_non_power_of_two"));
    EXPECT_FALSE(HasExtension(list, "GL_SGIS_generate_mipmap"));
    EXPECT_FALSE(HasExtension(list, "GL_EXT"));
    EXPECT_FALSE(HasExtension("", "GL_EXT_bgra"));
    EXPECT_TRUE(HasExtension("GL_EXT_bgra ", "GL_EXT_bgra"));
}

}  // namespace
}  // namespace wavorin::renderer
