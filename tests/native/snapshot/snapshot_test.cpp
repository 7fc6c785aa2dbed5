// The snapshot file: the writer's bytes and the round trip, and every way the reader refuses a
// file.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <tuple>

#include "common/snapshot/BmpReader.h"
#include "common/snapshot/BmpWriter.h"
#include "tests/native/support/DiskFillsUp.h"

namespace wavorin::snapshot {
namespace {

// A file put together field by field: a 40-byte info header, whatever fill reaches the
// pixel-data offset (palette bytes, or a header cut short), then the pixels.
struct BmpFields {
    const char* signature = "BM";
    std::uint32_t pixelDataOffset = 54;
    std::int32_t width = 2, height = 2;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0, imageSize = 0;
    std::size_t pixelBytes = 16;  // two rows of 8
    std::uint8_t pixelFill = 0x5A;
};

std::vector<std::uint8_t> CraftBmp(const BmpFields& f, std::uint32_t fileSize = 0)
{
    std::vector<std::uint8_t> bytes(54, 0);
    bytes[0] = std::uint8_t(f.signature[0]), bytes[1] = std::uint8_t(f.signature[1]);
    const std::tuple<int, std::uint32_t, int> fields[] = {{2, fileSize, 4}, {10, f.pixelDataOffset, 4}, {14, 40, 4},
                                                          {18, std::uint32_t(f.width), 4}, {22, std::uint32_t(f.height), 4},
                                                          {26, 1, 2}, {28, f.bits, 2}, {30, f.compression, 4}, {34, f.imageSize, 4}};
    for (auto [at, value, size] : fields) {
        for (int i = 0; i < size; ++i) bytes[std::size_t(at + i)] = std::uint8_t(value >> (8 * i));
    }
    bytes.resize(std::min<std::size_t>(f.pixelDataOffset, 4096), 0xC3);  // a huge offset: the file ends first
    bytes.insert(bytes.end(), f.pixelBytes, f.pixelFill);
    return bytes;
}

// A stream that knows where it is but not where it ends, as some special files.
struct NoEnd : std::stringbuf {
    using std::stringbuf::stringbuf;
    pos_type seekoff(off_type off, std::ios::seekdir dir, std::ios::openmode which) override
    {
        return dir == std::ios::end ? pos_type(-1) : std::stringbuf::seekoff(off, dir, which);
    }
};

template <typename Buffer = std::stringbuf>
ReadResult ReadBytes(const std::vector<std::uint8_t>& bytes)
{
    Buffer buffer(std::string(bytes.begin(), bytes.end()));
    std::istream in(&buffer);
    return ReadBmp(in);
}

Picture Gradient(int width, int height)
{
    Picture picture = MakePicture(width, height);
    for (int i = 0; i < width * height; ++i) SetPixel(picture, i % width, i / width, {std::uint8_t(i % width * 7), std::uint8_t(i / width * 13), 99});
    return picture;
}

TEST(BmpWriter, WritesTheKindTheReaderReadsBackForEveryRowPadding)
{
    const auto file = *EncodeBmp(Gradient(5, 3));  // rows of 15 bytes padded to 16
    const auto header = CraftBmp({.width = 5, .height = 3, .imageSize = 48, .pixelBytes = 0}, 54 + 48);
    ASSERT_EQ(file.size(), 54u + 48u);
    EXPECT_TRUE(std::equal(header.begin(), header.end(), file.begin()));
    // The first stored row is the bottom one, blue first; a zero pads it.
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 54, file.begin() + 58), (std::vector<std::uint8_t>{99, 2 * 13, 0, 99}));
    EXPECT_EQ(file[54 + 15], 0);
    for (int width : {1, 2, 3, 4, 5}) {
        const Picture picture = Gradient(width, 3);
        const ReadResult read = ReadBytes(*EncodeBmp(picture));
        EXPECT_EQ(std::tuple(read.status, read.picture.width, read.picture.height, read.picture.pixels),
                  std::tuple(ReadStatus::Loaded, width, 3, picture.pixels)) << width;
    }
}

TEST(BmpWriter, RefusesBadPictures)
{
    Picture mismatched = Gradient(4, 4);
    mismatched.pixels.pop_back();
    EXPECT_FALSE(EncodeBmp(mismatched));
    EXPECT_FALSE(EncodeBmp(Picture{}));
    EXPECT_DEBUG_DEATH(MakePicture(0, 1), "width > 0");  // no picture is made without pixels
    for (const auto& [width, height] : {std::pair{kMaxSide, 1}, {1, kMaxSide}}) EXPECT_TRUE(EncodeBmp(MakePicture(width, height)));  // the largest
    EXPECT_FALSE(WriteBmpFile("/nonexistent-folder/wavorin.bmp", Gradient(2, 2)));
}

// A disk that fills up part-way (a file size limit stands in for it): the write fails and
// leaves no piece of the file to pass for a picture.
TEST(BmpWriter, ADiskThatFillsUpFailsAndLeavesNoFile)
{
    const std::string path = ::testing::TempDir() + "wavorin-cut-off.bmp";
    const bool written = testing_support::WhileDiskFillsUpAt(4096, [&] { return WriteBmpFile(path, Gradient(64, 64)); });  // 12 342 bytes
    EXPECT_FALSE(written);
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(BmpReader, TellsWhyAFileIsRefusedAndReadsOnlyThePixelsOfOneThatIsNot)
{
    const auto cut = [](std::vector<std::uint8_t> bytes, std::size_t size) { return bytes.resize(size), bytes; };
    const struct {
        const char* what;
        std::vector<std::uint8_t> bytes;
        ReadStatus expected;
        std::vector<std::uint8_t> pixels = {};
    } cases[] = {
        {"no image size: rows of 9 bytes padded to 12", CraftBmp({.width = 3, .pixelBytes = 24}), ReadStatus::Loaded, std::vector<std::uint8_t>(24, 0x5A)},
        {"past a palette", CraftBmp({.pixelDataOffset = 54 + 1024, .width = 1, .height = 1, .pixelBytes = 4, .pixelFill = 7}), ReadStatus::Loaded, {7, 7, 7, 7}},
        {"declared bytes beyond the rows", CraftBmp({.imageSize = 20, .pixelBytes = 20}), ReadStatus::Loaded, std::vector<std::uint8_t>(16, 0x5A)},
        {"13 bytes", cut(CraftBmp({}), 13), ReadStatus::ShortFileHeader},
        {"not BM", CraftBmp({.signature = "MB"}), ReadStatus::NotBmp},
        {"offset 37", CraftBmp({.pixelDataOffset = 37}), ReadStatus::HeaderBlockTooSmall},
        {"ends in the info header", cut(CraftBmp({}), 40), ReadStatus::ShortHeaderBlock},
        {"offset far past the end", CraftBmp({.pixelDataOffset = 0xFFFFFFF0u, .pixelBytes = 0}), ReadStatus::ShortHeaderBlock},
        {"8 bits", CraftBmp({.bits = 8}), ReadStatus::Unsupported},
        {"run-length", CraftBmp({.compression = 1}), ReadStatus::Unsupported},
        {"top-down", CraftBmp({.height = -2}), ReadStatus::Unsupported},
        {"width 0", CraftBmp({.width = 0}), ReadStatus::Empty},
        {"height 0", CraftBmp({.height = 0}), ReadStatus::Empty},
        {"width too large", CraftBmp({.width = kMaxSide + 1}), ReadStatus::TooLarge},
        {"height too large", CraftBmp({.height = kMaxSide + 1}), ReadStatus::TooLarge},
        {"more bytes than allowed", CraftBmp({.width = kMaxSide, .height = kMaxSide}), ReadStatus::TooLarge},
        {"a row as wide as allowed", CraftBmp({.width = kMaxSide, .height = 1, .pixelBytes = 49152}), ReadStatus::Loaded, std::vector<std::uint8_t>(49152, 0x5A)},
        {"last byte missing", CraftBmp({.pixelBytes = 15}), ReadStatus::ShortPixelData},
        {"declared size below the rows", CraftBmp({.imageSize = 12}), ReadStatus::ShortPixelData},
    };
    for (const auto& c : cases) {
        const ReadResult read = ReadBytes(c.bytes);
        EXPECT_EQ(read.status, c.expected) << c.what;
        EXPECT_EQ(read.picture.pixels, c.pixels) << c.what;
    }
    EXPECT_EQ(ReadBmpFile("/nonexistent/wavorin/Zelvane2.alo").status, ReadStatus::CannotOpen);
    EXPECT_EQ(ReadBytes<NoEnd>(CraftBmp({})).picture.pixels, std::vector<std::uint8_t>(16, 0x5A));
    EXPECT_EQ(std::tuple(RowStride(-1), RowStride(kMaxSide + 1), RowStride(kMaxSide)), std::tuple(std::nullopt, std::nullopt, 49152u));
}

}  // namespace
}  // namespace wavorin::snapshot
