// The snapshot writer: the exact header the system's files carry, and a picture that another
// program's BMP decoder reads back pixel for pixel.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "common/snapshot/BmpReader.h"
#include "common/snapshot/BmpWriter.h"

namespace wavorin::snapshot {
namespace {

std::uint32_t Field32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | std::uint32_t{b[at + 3]} << 24;
}
std::uint16_t Field16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(b[at] | b[at + 1] << 8);
}

Picture Gradient(int width, int height)
{
    Picture picture = MakePicture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            SetPixel(picture, x, y, {std::uint8_t(x * 7), std::uint8_t(y * 13), std::uint8_t(x ^ y)});
        }
    }
    return picture;
}

TEST(BmpWriter, WritesThe24BitBottomUpKindWithA40ByteHeader)
{
    const auto file = *EncodeBmp(Gradient(5, 3));  // rows of 15 bytes padded to 16
    ASSERT_EQ(file.size(), 54u + 48u);
    EXPECT_EQ(file[0], 'B');
    EXPECT_EQ(file[1], 'M');
    EXPECT_EQ(Field32(file, 2), 102u);  // file size
    EXPECT_EQ(Field32(file, 6), 0u);    // reserved
    EXPECT_EQ(Field32(file, 10), 54u);  // pixel data right after the headers: no palette
    EXPECT_EQ(Field32(file, 14), 40u);
    EXPECT_EQ(Field32(file, 18), 5u);
    EXPECT_EQ(Field32(file, 22), 3u);  // positive: bottom row first
    EXPECT_EQ(Field16(file, 26), 1u);
    EXPECT_EQ(Field16(file, 28), 24u);
    EXPECT_EQ(Field32(file, 30), 0u);  // uncompressed
    EXPECT_EQ(Field32(file, 34), 48u);
    // The first stored row is the picture's bottom row, blue first, then one zero pad byte.
    EXPECT_EQ(file[54], std::uint8_t(0 ^ 2));
    EXPECT_EQ(file[55], std::uint8_t(2 * 13));
    EXPECT_EQ(file[56], 0);
    EXPECT_EQ(file[54 + 15], 0);
}

TEST(BmpWriter, RefusesPicturesWhoseBytesDoNotMatchTheirSize)
{
    Picture picture = Gradient(4, 4);
    picture.pixels.pop_back();
    EXPECT_FALSE(EncodeBmp(picture));
    EXPECT_FALSE(EncodeBmp(Picture{}));
    EXPECT_FALSE(WriteBmpFile(std::filesystem::temp_directory_path() / "wavorin-never.bmp", picture));
}

TEST(BmpWriter, FailsWhenTheFileCannotBeWrittenAndLeavesNothingCutOff)
{
    EXPECT_FALSE(WriteBmpFile("/nonexistent-folder/wavorin.bmp", Gradient(2, 2)));

    // A disk that fills up part-way, as the system's file size limit has it.
    const auto path = std::filesystem::temp_directory_path() / "wavorin-cut-off.bmp";
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 100;
    const auto previous = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = WriteBmpFile(path, Gradient(16, 16));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previous);
    EXPECT_FALSE(written);
    EXPECT_FALSE(std::filesystem::exists(path));
}

// ImageMagick decodes the file independently of our reader.
TEST(BmpWriter, AnotherDecoderReadsTheSamePixels)
{
    if (std::system("command -v convert >/dev/null 2>&1") != 0) GTEST_SKIP() << "ImageMagick is not installed";
    const auto folder = std::filesystem::temp_directory_path();
    for (int width : {1, 3, 127}) {
        const Picture picture = Gradient(width, 5);
        const auto bmp = folder / ("wavorin-writer-" + std::to_string(width) + ".bmp");
        const auto raw = folder / ("wavorin-writer-" + std::to_string(width) + ".rgb");
        ASSERT_TRUE(WriteBmpFile(bmp, picture));
        const std::string command = "convert '" + bmp.string() + "' -depth 8 'rgb:" + raw.string() + "'";
        ASSERT_EQ(std::system(command.c_str()), 0);
        std::ifstream in(raw, std::ios::binary);
        const std::vector<std::uint8_t> rgb{std::istreambuf_iterator<char>(in), {}};
        ASSERT_EQ(rgb.size(), std::size_t(width) * 5 * 3) << width;
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < width; ++x) {
                const std::size_t at = (std::size_t(y) * width + x) * 3;  // top row first
                EXPECT_EQ((Rgb{rgb[at], rgb[at + 1], rgb[at + 2]}), PixelAt(picture, x, y)) << width << " " << x << "," << y;
            }
        }
        std::filesystem::remove(bmp);
        std::filesystem::remove(raw);
    }
}

}  // namespace
}  // namespace wavorin::snapshot
