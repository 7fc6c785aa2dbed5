// The snapshot file: what the writer writes, what the reader accepts, and every way a file is refused.

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "common/snapshot/BmpReader.h"
#include "common/snapshot/BmpWriter.h"

namespace wavorin::snapshot {
namespace {

// BMP files put together field by field, including every kind of broken one.
struct BmpFields {
    const char* signature = "BM";
    std::uint32_t pixelDataOffset = 54;
    std::int32_t width = 2, height = 2;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0, imageSize = 0;
    std::size_t pixelBytes = 16;  // how many pixel bytes actually follow (2 rows of 8)
    std::uint8_t pixelFill = 0x5A;
};

void Put(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t value, int size)
{
    if (bytes.size() < at + static_cast<std::size_t>(size)) bytes.resize(at + static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The file header, a 40-byte info header, whatever fill reaches the pixel-data offset
// (palette bytes), then the pixels. An offset below 54 cuts the info header short.
std::vector<std::uint8_t> CraftBmp(const BmpFields& f)
{
    std::vector<std::uint8_t> bytes(54, 0);
    bytes[0] = std::uint8_t(f.signature[0]);
    bytes[1] = std::uint8_t(f.signature[1]);
    Put(bytes, 10, f.pixelDataOffset, 4);
    Put(bytes, 14, 40, 4);
    Put(bytes, 18, static_cast<std::uint32_t>(f.width), 4);
    Put(bytes, 22, static_cast<std::uint32_t>(f.height), 4);
    Put(bytes, 26, 1, 2);
    Put(bytes, 28, f.bits, 2);
    Put(bytes, 30, f.compression, 4);
    Put(bytes, 34, f.imageSize, 4);
    bytes.resize(f.pixelDataOffset, 0xC3);  // palette or masks, or a cut header
    bytes.insert(bytes.end(), f.pixelBytes, f.pixelFill);
    return bytes;
}


ReadResult ReadBytes(const std::vector<std::uint8_t>& bytes)
{
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    return ReadBmp(in);
}

Picture Gradient(int width, int height)
{
    Picture picture = MakePicture(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) SetPixel(picture, x, y, {std::uint8_t(x * 7), std::uint8_t(y * 13), std::uint8_t(x ^ y)});
    }
    return picture;
}

TEST(BmpWriter, WritesThe24BitBottomUpKindThatTheReaderReadsBackForEveryRowPadding)
{
    const auto file = *EncodeBmp(Gradient(5, 3));  // rows of 15 bytes padded to 16
    auto header = CraftBmp({.width = 5, .height = 3, .imageSize = 48, .pixelBytes = 0});
    Put(header, 2, 54 + 48, 4);  // the file size
    ASSERT_EQ(file.size(), 54u + 48u);
    EXPECT_TRUE(std::equal(file.begin(), file.begin() + 38, header.begin()));
    // The first stored row is the picture's bottom row, blue first, then one zero pad byte.
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 54, file.begin() + 57), (std::vector<std::uint8_t>{0 ^ 2, 2 * 13, 0}));
    EXPECT_EQ(file[54 + 15], 0);
    for (int width : {1, 2, 3, 4, 5, 127, 128}) {
        const Picture picture = Gradient(width, 3);
        const ReadResult read = ReadBytes(*EncodeBmp(picture));
        ASSERT_EQ(read.status, ReadStatus::Loaded) << width;
        EXPECT_EQ(read.picture.width, width);
        EXPECT_EQ(read.picture.height, 3);
        EXPECT_EQ(read.picture.pixels, picture.pixels) << width;
    }
}

TEST(BmpWriter, RefusesMismatchedPicturesAndLeavesNothingCutOffWhenTheDiskFills)
{
    Picture picture = Gradient(4, 4);
    picture.pixels.pop_back();
    EXPECT_FALSE(EncodeBmp(picture));
    EXPECT_FALSE(EncodeBmp(Picture{}));
    EXPECT_FALSE(WriteBmpFile("/nonexistent-folder/wavorin.bmp", Gradient(2, 2)));

    // A disk that fills up part-way, as the system's file size limit has it.
    const auto path = std::filesystem::temp_directory_path() / ("wavorin-cut-off-" + std::to_string(getpid()) + ".bmp");
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
    const auto stem = std::filesystem::temp_directory_path() / ("wavorin-writer-" + std::to_string(getpid()));
    const Picture picture = Gradient(127, 5);
    ASSERT_TRUE(WriteBmpFile(stem.string() + ".bmp", picture));
    const std::string command = "convert '" + stem.string() + ".bmp' -depth 8 'rgb:" + stem.string() + ".rgb'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::ifstream in(stem.string() + ".rgb", std::ios::binary);
    const std::vector<std::uint8_t> rgb{std::istreambuf_iterator<char>(in), {}};
    ASSERT_EQ(rgb.size(), std::size_t(127) * 5 * 3);
    for (std::size_t i = 0; i < rgb.size(); i += 3) {  // top row first
        EXPECT_EQ((Rgb{rgb[i], rgb[i + 1], rgb[i + 2]}), PixelAt(picture, int(i / 3 % 127), int(i / 3 / 127))) << i;
    }
    std::filesystem::remove(stem.string() + ".bmp");
    std::filesystem::remove(stem.string() + ".rgb");
}

TEST(BmpReader, TellsWhyAFileIsRefusedAndReadsOnlyThePixelsOfOneThatIsNot)
{
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        ReadStatus expected;
        std::size_t pixelBytes = 0;
    };
    auto cut = [](std::vector<std::uint8_t> bytes, std::size_t size) { return bytes.resize(size), bytes; };
    auto offset = [](std::uint64_t value) { auto bytes = CraftBmp({}); Put(bytes, 10, value, 4); return bytes; };
    const Case cases[] = {
        {"image size 0: rows of 9 bytes padded to 12", CraftBmp({.width = 3, .imageSize = 0, .pixelBytes = 24}), ReadStatus::Loaded, 24},
        {"past a palette", CraftBmp({.pixelDataOffset = 54 + 1024, .width = 1, .height = 1, .pixelBytes = 4, .pixelFill = 7}), ReadStatus::Loaded, 4},
        {"declared bytes beyond the rows", CraftBmp({.imageSize = 20, .pixelBytes = 20}), ReadStatus::Loaded, 16},
        {"empty file", {}, ReadStatus::ShortFileHeader},
        {"13 bytes", cut(CraftBmp({}), 13), ReadStatus::ShortFileHeader},
        {"not BM", CraftBmp({.signature = "MB"}), ReadStatus::NotBmp},
        {"offset 37", CraftBmp({.pixelDataOffset = 37}), ReadStatus::HeaderBlockTooSmall},
        {"offset 0", offset(0), ReadStatus::HeaderBlockTooSmall},
        {"ends in the info header", cut(CraftBmp({}), 40), ReadStatus::ShortHeaderBlock},
        {"ends in the palette", cut(CraftBmp({.pixelDataOffset = 54 + 1024}), 500), ReadStatus::ShortHeaderBlock},
        {"offset far past the end", offset(0xFFFFFFF0u), ReadStatus::ShortHeaderBlock},
        {"8 bits", CraftBmp({.bits = 8}), ReadStatus::Unsupported},
        {"32 bits", CraftBmp({.bits = 32}), ReadStatus::Unsupported},
        {"run-length", CraftBmp({.compression = 1}), ReadStatus::Unsupported},
        {"bit fields", CraftBmp({.compression = 3}), ReadStatus::Unsupported},
        {"top-down", CraftBmp({.height = -2}), ReadStatus::Unsupported},
        {"width 0", CraftBmp({.width = 0}), ReadStatus::Empty},
        {"negative width", CraftBmp({.width = -5}), ReadStatus::Empty},
        {"height 0", CraftBmp({.height = 0}), ReadStatus::Empty},
        {"width too large", CraftBmp({.width = kMaxSide + 1}), ReadStatus::TooLarge},
        {"height too large", CraftBmp({.height = kMaxSide + 1}), ReadStatus::TooLarge},
        {"more bytes than allowed", CraftBmp({.width = kMaxSide, .height = kMaxSide}), ReadStatus::TooLarge},
        {"rows missing", CraftBmp({.height = 3}), ReadStatus::ShortPixelData},
        {"last byte missing", CraftBmp({.pixelBytes = 15}), ReadStatus::ShortPixelData},
        {"declared size below the rows", CraftBmp({.imageSize = 12}), ReadStatus::ShortPixelData},
        {"declared size beyond the file", CraftBmp({.imageSize = 17}), ReadStatus::ShortPixelData},
        {"huge picture, tiny file", CraftBmp({.width = 10000, .height = 10000}), ReadStatus::ShortPixelData},
    };
    for (const Case& c : cases) {
        const ReadResult read = ReadBytes(c.bytes);
        EXPECT_EQ(read.status, c.expected) << c.what;
        EXPECT_EQ(read.picture.pixels.size(), c.pixelBytes) << c.what;
    }
    EXPECT_EQ(ReadBytes(CraftBmp({.pixelDataOffset = 54 + 1024, .width = 1, .height = 1, .pixelBytes = 4, .pixelFill = 7})).picture.pixels,
              (std::vector<std::uint8_t>{7, 7, 7, 7}));  // no palette byte 0xC3 among them
    // The header's size is known even when the pixels are missing.
    const ReadResult shortRead = ReadBytes(CraftBmp({.width = 640, .height = 480, .pixelBytes = 10}));
    EXPECT_EQ(shortRead.width, 640);
    EXPECT_EQ(shortRead.height, 480);
    EXPECT_EQ(ReadBmpFile("/nonexistent/wavorin/Zelvane2.alo").status, ReadStatus::CannotOpen);
}

}  // namespace
}  // namespace wavorin::snapshot
