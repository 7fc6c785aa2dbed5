// The texture holder and its mipmap builders: which builder a context's own description
// allows, when a chain is complete, and pictures of any size drawn upright through either.

#include <vector>

#include "renderer/Texture.h"
#include "tests/native/renderer/GlTestSupport.h"

namespace wavorin::renderer {
namespace {

using namespace testing;
constexpr auto Prepared = MipmapBuilder::PreparedLevels;
constexpr auto Glu = MipmapBuilder::Glu;

TEST(MipmapBuilderFor, TheContextMustVouchForTheSidesAndTakeTheSize)
{
    const char* npot = "GL_EXT_bgra GL_ARB_texture_non_power_of_two";
    const struct {
        const char* extensions;
        int maxSize, width, height;
        MipmapBuilder expected;
    } rows[] = {
        {npot, 16384, 1920, 1080, Prepared},
        {"GL_EXT_bgra", 1024, 1024, 1024, Prepared},  // powers of two; the GL 1.1 software renderer's largest
        {"GL_ARB_texture_non_power_of_two_x", 8192, 1000, 512, Glu},  // without the extension: GL 2.0 drivers vary
        {"GL_ARB_texture_non_power_of_two", 8192, 1000, 512, Prepared},
        {npot, 4096, 4097, 16, Glu},  // larger than the context takes
        {npot, 4096, 16, 4097, Glu},
        {npot, 4096, 0, 768, Glu},
        {npot, 4096, 1024, 0, Glu},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(MipmapBuilderFor({row.extensions, row.maxSize}, row.width, row.height), row.expected)
            << "[" << row.extensions << "] " << row.maxSize << " " << row.width << "x" << row.height;
    }
}

TEST_F(GlTest, AMipmapChainIsCompleteOnlyDownToOnePixel)
{
    // Wide and tall: one side reaches 1 before the other and stays there.
    for (auto [wide, high] : {std::pair{64, 4}, std::pair{4, 64}}) {
        Texture texture;
        texture.Create("levels");
        const std::vector<std::uint8_t> black(64 * 4 * 3);
        for (GLint level = 0, w = wide, h = high; level < 7; ++level, w = std::max(1, w / 2), h = std::max(1, h / 2)) {
            EXPECT_FALSE(MipmapChainComplete(wide, high)) << wide << "x" << high << " up to level " << level - 1;
            glTexImage2D(GL_TEXTURE_2D, level, 3, w, h, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, black.data());
        }
        EXPECT_TRUE(MipmapChainComplete(wide, high)) << wide << "x" << high;
        EXPECT_FALSE(MipmapChainComplete(wide * 2, high)) << wide << "x" << high;
    }
}

// Quarters of four colours: a picture upside down, mirrored, sheared row by row or with red
// and blue swapped shows a wrong colour at some quarter's centre. Odd widths pad every row;
// 1024 x 768 is not a power of two on either builder's path.
TEST_F(GlTest, PicturesOfAnySizeLoadUprightThroughEitherBuilder)
{
    static constexpr Rgb kQuarters[2][2] = {{{200, 40, 20}, {20, 200, 40}}, {{40, 20, 200}, {220, 220, 60}}};
    for (const auto& [width, height] : {std::pair{127, 61}, std::pair{37, 35}, std::pair{1024, 768}}) {
        TempFile file("quarters.alo");
        ASSERT_TRUE(snapshot::WriteBmpFile(file.path, Filled(width, height, [w = width, h = height](int x, int y) { return kQuarters[y * 2 / h][x * 2 / w]; })));
        for (MipmapBuilder builder : {Glu, Prepared}) {
            GLuint name = 0;
            {
                // Whatever way of unpacking pixels earlier drawing left set.
                for (auto [state, value] : {std::pair{GL_UNPACK_ALIGNMENT, 8}, {GL_UNPACK_ROW_LENGTH, 5}, {GL_UNPACK_SKIP_ROWS, 20}, {GL_UNPACK_SKIP_PIXELS, 20}})
                    glPixelStorei(state, value);
                Texture texture;
                texture.ForceBuilder(builder);
                ASSERT_TRUE(texture.LoadBmp(file.path.c_str()));
                EXPECT_EQ(texture.Builder(), builder);
                name = texture.GlName();
                glEnable(GL_TEXTURE_2D);  // over the whole viewport, modulated by plain white
                glBegin(GL_QUADS);
                for (auto [s, t] : {std::pair{0, 0}, std::pair{1, 0}, std::pair{1, 1}, std::pair{0, 1}}) {
                    glTexCoord2i(s, t);
                    glVertex2i(2 * s - 1, 2 * t - 1);
                }
                glEnd();
                ExpectPixels(gl.Read(), {{80, 60, kQuarters[0][0]}, {240, 60, kQuarters[0][1]}, {80, 180, kQuarters[1][0]}, {240, 180, kQuarters[1][1]}},
                             (std::to_string(width) + "x" + std::to_string(height) + " builder " + std::to_string(int(builder))).c_str());
            }
            EXPECT_FALSE(glIsTexture(name));  // the holder deletes its texture
        }
    }
    Texture missing;  // bound without an image until released
    EXPECT_EQ(std::pair(missing.LoadBmp("/nonexistent/Zelvane2.alo"), missing.OwnsTexture()), std::pair(false, true));
    missing.Release();
    EXPECT_FALSE(missing.OwnsTexture());
}

}  // namespace
}  // namespace wavorin::renderer
