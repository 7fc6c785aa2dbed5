// The texture holder against a real GL (OSMesa): what it creates, what it releases, and the
// picture a file becomes, read back through a quad drawn with it.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <optional>
#include <vector>

#include "renderer/Texture.h"
#include "tests/native/renderer/GlTestSupport.h"

namespace wavorin::renderer {
namespace {

using snapshot::Picture;
using snapshot::Rgb;
using testing::TempFile;

// Blocks of distinct colours, a grid of 4 x 4, so a picture upside down, mirrored or sheared
// row by row shows the wrong colour in some block.
Rgb BlockColour(int column, int row)
{
    return {std::uint8_t(40 + column * 60), std::uint8_t(40 + row * 60), std::uint8_t(column == row ? 230 : 20)};
}

Picture Blocks(int width, int height)
{
    Picture picture = snapshot::MakePicture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) snapshot::SetPixel(picture, x, y, BlockColour(x * 4 / width, y * 4 / height));
    }
    return picture;
}

GLint TextureInteger(GLenum what)
{
    GLint value = -1;
    if (what == GL_TEXTURE_WIDTH) glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, what, &value);
    else if (what == GL_TEXTURE_BINDING_2D) glGetIntegerv(what, &value);
    else glGetTexParameteriv(GL_TEXTURE_2D, what, &value);
    return value;
}

class TextureTest : public ::testing::Test {
protected:
    OffscreenGl gl{256, 192};
    void SetUp() override { ASSERT_TRUE(gl.Ok()); }
};

TEST_F(TextureTest, HoldsAtMostOneBoundRepeatingMipmappedTexture)
{
    std::optional<Texture> texture(std::in_place);
    EXPECT_FALSE(texture->OwnsTexture());
    const std::string longPath(100, 'x');
    ASSERT_TRUE(texture->Create(longPath.c_str()));
    EXPECT_EQ(std::string(texture->Name()), longPath.substr(0, 63));
    const GLuint first = texture->GlName();
    EXPECT_TRUE(glIsTexture(first));
    for (auto [parameter, value] : {std::pair{GL_TEXTURE_BINDING_2D, GLint(first)}, std::pair{GL_TEXTURE_WRAP_S, GL_REPEAT},
                                    std::pair{GL_TEXTURE_WRAP_T, GL_REPEAT}, std::pair{GL_TEXTURE_MAG_FILTER, GL_LINEAR},
                                    std::pair{GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_NEAREST}}) {
        EXPECT_EQ(TextureInteger(parameter), value) << parameter;
    }
    texture->Create("second");  // the first one goes
    EXPECT_FALSE(glIsTexture(first));
    const GLuint second = texture->GlName();
    texture->Release();
    EXPECT_FALSE(texture->OwnsTexture());
    EXPECT_FALSE(glIsTexture(second));
    texture->Release();  // owning nothing, it does nothing
    texture->Create("scoped");
    const GLuint scoped = texture->GlName();
    ASSERT_TRUE(glIsTexture(scoped));
    texture.reset();  // the destructor releases it
    EXPECT_FALSE(glIsTexture(scoped));
}

TEST_F(TextureTest, UnusableFilesLeaveTheNewTextureBoundWithoutAnImage)
{
    TempFile thirteen("thirteen.alo"), notBmp("not-bmp.alo"), eightBit("eight-bit.alo"), empty("empty.alo");
    std::ofstream(thirteen.path(), std::ios::binary) << "BM34567890123";
    std::ofstream(notBmp.path(), std::ios::binary) << std::string(200, 'Z');
    testing::WriteSnapshot(eightBit, Blocks(8, 8));
    testing::WriteSnapshot(empty, Blocks(4, 4));
    std::fstream(eightBit.path(), std::ios::binary | std::ios::in | std::ios::out).seekp(28).put(8);
    std::fstream(empty.path(), std::ios::binary | std::ios::in | std::ios::out).seekp(22).write("\0\0\0\0", 4);  // height 0
    const std::pair<std::string, bool> rows[] = {{"/nonexistent/Zelvane2.alo", false}, {thirteen.str(), false},
                                                 {notBmp.str(), false}, {eightBit.str(), false}, {empty.str(), true}};
    for (const auto& [path, loads] : rows) {
        Texture texture;
        EXPECT_EQ(texture.LoadBmp(path.c_str()), loads) << path;
        EXPECT_TRUE(texture.OwnsTexture()) << path;
        EXPECT_EQ(TextureInteger(GL_TEXTURE_BINDING_2D), GLint(texture.GlName())) << path;
        EXPECT_EQ(TextureInteger(GL_TEXTURE_WIDTH), 0) << path;
        if (loads) EXPECT_EQ(texture.Height(), 0);
    }
}

TEST_F(TextureTest, PicturesOfAnySizeLoadUprightWithoutShear)
{
    // Odd widths pad every row; 1024 x 768 is not a power of two on either builder's path.
    for (auto [width, height] : {std::pair{127, 61}, std::pair{1024, 768}, std::pair{37, 35}, std::pair{128, 128}}) {
        TempFile file("blocks.alo");
        testing::WriteSnapshot(file, Blocks(width, height));
        for (MipmapBuilder builder : {MipmapBuilder::Glu, MipmapBuilder::GeneratedByGl}) {
            Texture texture;
            texture.ForceBuilder(builder);
            ASSERT_TRUE(texture.LoadBmp(file.str().c_str()));
            EXPECT_EQ(texture.Width(), width);
            EXPECT_EQ(texture.Height(), height);
            EXPECT_EQ(texture.Builder(), builder);
            // GLU rescales to powers of two; the context's own chain keeps the picture's sides.
            if (builder == MipmapBuilder::GeneratedByGl) EXPECT_TRUE(MipmapChainComplete(width, height));
            testing::DrawTextureOverViewport();
            const Picture drawn = gl.Read();
            for (int row = 0; row < 4; ++row) {  // the colour at the centre of each block is the block's own
                for (int column = 0; column < 4; ++column) {
                    const Rgb c = snapshot::PixelAt(drawn, (2 * column + 1) * drawn.width / 8, (2 * row + 1) * drawn.height / 8);
                    EXPECT_LE(testing::Difference(c, BlockColour(column, row)), 6)
                        << width << "x" << height << " builder " << int(builder) << " block " << column << "," << row << " is " << c;
                }
            }
        }
    }
}

TEST_F(TextureTest, AChainIsCompleteOnlyDownToOnePixel)
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

}  // namespace
}  // namespace wavorin::renderer
