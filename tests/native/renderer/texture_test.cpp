// The texture holder against a real GL (OSMesa): what it creates, what it releases, and the
// picture a file becomes, read back through a quad drawn with it.

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <vector>
#include <algorithm>

#include "renderer/Texture.h"
#include "tests/native/renderer/GlTestSupport.h"
#include "tools/sample_pictures/SamplePictures.h"

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

// The colour at the centre of each block must be the block's own.
void ExpectBlocksUpright(const Picture& drawn, const std::string& what)
{
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const int x = (2 * column + 1) * drawn.width / 8, y = (2 * row + 1) * drawn.height / 8;
            EXPECT_LE(testing::Difference(snapshot::PixelAt(drawn, x, y), BlockColour(column, row)), 6)
                << what << " block " << column << "," << row << " is " << snapshot::PixelAt(drawn, x, y);
        }
    }
}

GLint BoundTexture()
{
    GLint bound = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    return bound;
}

GLint LevelZeroWidth()
{
    GLint width = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    return width;
}

class TextureTest : public ::testing::Test {
protected:
    OffscreenGl gl{256, 192};
    void SetUp() override { ASSERT_TRUE(gl.Ok()); }
};

TEST_F(TextureTest, CreateOwnsABoundRepeatingMipmappedTexture)
{
    Texture texture;
    EXPECT_FALSE(texture.OwnsTexture());
    ASSERT_TRUE(texture.Create("C:\\vetsu_temp\\Zelvane1.alo"));
    EXPECT_TRUE(texture.OwnsTexture());
    EXPECT_STREQ(texture.Name(), "C:\\vetsu_temp\\Zelvane1.alo");
    EXPECT_TRUE(glIsTexture(texture.GlName()));
    EXPECT_EQ(BoundTexture(), GLint(texture.GlName()));

    GLint value = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, &value);
    EXPECT_EQ(value, GL_REPEAT);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, &value);
    EXPECT_EQ(value, GL_REPEAT);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &value);
    EXPECT_EQ(value, GL_LINEAR_MIPMAP_NEAREST);
}

TEST_F(TextureTest, ReleaseAndRecreateKeepAtMostOneTexture)
{
    Texture texture;
    texture.Create("first");
    const GLuint first = texture.GlName();
    texture.Create("second");  // the first one goes
    EXPECT_FALSE(glIsTexture(first));
    const GLuint second = texture.GlName();
    texture.Release();
    EXPECT_FALSE(texture.OwnsTexture());
    EXPECT_FALSE(glIsTexture(second));
    texture.Release();  // owning nothing, it does nothing
    EXPECT_FALSE(texture.OwnsTexture());

    std::optional<Texture> scoped(std::in_place);
    scoped->Create("scoped");
    const GLuint name = scoped->GlName();
    ASSERT_TRUE(glIsTexture(name));
    scoped.reset();  // the destructor releases it
    EXPECT_FALSE(glIsTexture(name));
}

TEST_F(TextureTest, KeepsAtMost63CharactersOfTheName)
{
    Texture texture;
    const std::string longPath(100, 'x');
    texture.Create(longPath.c_str());
    EXPECT_EQ(std::string(texture.Name()), longPath.substr(0, 63));
}

TEST_F(TextureTest, UnusableFilesLeaveTheNewTextureBoundWithoutAnImage)
{
    TempFile thirteen("thirteen.alo"), notBmp("not-bmp.alo"), eightBit("eight-bit.alo");
    {
        std::ofstream(thirteen.path(), std::ios::binary) << "BM34567890123";
        std::ofstream(notBmp.path(), std::ios::binary) << std::string(200, 'Z');
    }
    testing::WriteSnapshot(eightBit, Blocks(8, 8));
    {
        std::fstream patch(eightBit.path(), std::ios::binary | std::ios::in | std::ios::out);
        patch.seekp(28);
        patch.put(8);
    }
    for (const std::string& path : {std::string("/nonexistent/Zelvane2.alo"), thirteen.str(), notBmp.str(), eightBit.str()}) {
        Texture texture;
        EXPECT_FALSE(texture.LoadBmp(path.c_str())) << path;
        EXPECT_TRUE(texture.OwnsTexture()) << path;
        EXPECT_EQ(BoundTexture(), GLint(texture.GlName())) << path;
        EXPECT_EQ(LevelZeroWidth(), 0) << path;
    }
}

TEST_F(TextureTest, AnEmptyPictureLoadsWithoutAnImage)
{
    TempFile empty("empty.alo");
    testing::WriteSnapshot(empty, Blocks(4, 4));
    {
        std::fstream patch(empty.path(), std::ios::binary | std::ios::in | std::ios::out);
        patch.seekp(22);
        patch.write("\0\0\0\0", 4);  // height 0
    }
    Texture texture;
    EXPECT_TRUE(texture.LoadBmp(empty.str().c_str()));
    EXPECT_EQ(texture.Height(), 0);
    EXPECT_EQ(LevelZeroWidth(), 0);
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
            ExpectBlocksUpright(gl.Read(), std::to_string(width) + "x" + std::to_string(height) +
                                               (builder == MipmapBuilder::Glu ? " GLU" : " generated"));
        }
    }
}

TEST_F(TextureTest, AChainIsCompleteOnlyDownToOnePixel)
{
    Texture texture;
    texture.Create("levels");
    const std::vector<std::uint8_t> black(64 * 4 * 3);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, 64, 4, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, black.data());
    EXPECT_FALSE(MipmapChainComplete(64, 4));
    for (GLint level = 1, width = 32, height = 2; width >= 1; ++level, width /= 2, height = std::max(1, height / 2)) {
        EXPECT_FALSE(MipmapChainComplete(64, 4)) << "up to level " << level - 1;
        glTexImage2D(GL_TEXTURE_2D, level, 3, width, height, 0, GL_BGR_EXT, GL_UNSIGNED_BYTE, black.data());
    }
    EXPECT_TRUE(MipmapChainComplete(64, 4));
    EXPECT_FALSE(MipmapChainComplete(64, 8));
}

TEST_F(TextureTest, ReadsPixelsFromTheOffsetPastAPalette)
{
    // A palette between the headers and the pixels: the pixel-data offset says where they start.
    const Picture picture = Blocks(16, 16);
    auto bytes = *snapshot::EncodeBmp(picture);
    bytes.insert(bytes.begin() + 54, 1024, 0xEE);
    bytes[10] = static_cast<std::uint8_t>((54 + 1024) & 0xFF);
    bytes[11] = static_cast<std::uint8_t>((54 + 1024) >> 8);
    TempFile file("palette.alo");
    std::ofstream(file.path(), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));

    Texture texture;
    ASSERT_TRUE(texture.LoadBmp(file.str().c_str()));
    testing::DrawTextureOverViewport();
    ExpectBlocksUpright(gl.Read(), "after a palette");
}

TEST_F(TextureTest, TheContextsOwnMipmapsMatchGlusAtEverySize)
{
    TempFile file("desktop.alo");
    testing::WriteSnapshot(file, tools::MakeDesktopPicture(1024, 768));
    // Drawn at the size of the picture and smaller, down to the small levels.
    for (auto [width, height] : {std::pair{1024, 768}, std::pair{256, 192}, std::pair{64, 48}, std::pair{16, 12}}) {
        OffscreenGl view(width, height);
        ASSERT_TRUE(view.Ok());
        Texture a, b;  // destroyed before the context they belong to
        a.ForceBuilder(MipmapBuilder::Glu);
        ASSERT_TRUE(a.LoadBmp(file.str().c_str()));
        ASSERT_TRUE(b.LoadBmp(file.str().c_str()));
        ASSERT_EQ(b.Builder(), MipmapBuilder::GeneratedByGl) << "this context should build mipmaps itself";
        a.Bind();
        testing::DrawTextureOverViewport();
        const Picture fromGlu = view.Read();
        b.Bind();
        testing::DrawTextureOverViewport();
        const Picture fromGl = view.Read();
        // Both stay close to each other, and the context's own chain, made from the picture
        // as it is rather than from a rescaled copy, is no further from the ideal box-filtered
        // picture than GLU's.
        const Picture ideal = testing::BoxFiltered(tools::MakeDesktopPicture(1024, 768), 1024 / width);
        EXPECT_LT(testing::MeanDifference(fromGlu, fromGl), 8.0) << width << "x" << height;
        EXPECT_LE(testing::MeanDifference(fromGl, ideal), testing::MeanDifference(fromGlu, ideal) + 0.5)
            << width << "x" << height;
    }
}

}  // namespace
}  // namespace wavorin::renderer
