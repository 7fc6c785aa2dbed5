// The snapshot reader: the one kind it accepts, and every way a file can be refused.

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "common/snapshot/BmpReader.h"
#include "common/snapshot/BmpWriter.h"
#include "tests/native/snapshot/CraftedBmp.h"

namespace wavorin::snapshot {
namespace {

using testing::BmpFields;
using testing::CraftBmp;

ReadResult ReadBytes(const std::vector<std::uint8_t>& bytes)
{
    std::istringstream in(std::string(bytes.begin(), bytes.end()));
    return ReadBmp(in);
}

TEST(BmpReader, AcceptsWhatTheWriterWritesForEveryRowPadding)
{
    for (int width : {1, 2, 3, 4, 5, 127, 128}) {
        Picture picture = MakePicture(width, 3);
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) {
                SetPixel(picture, x, y, {std::uint8_t(x), std::uint8_t(y * 80), std::uint8_t(255 - x)});
            }
        }
        const ReadResult read = ReadBytes(*EncodeBmp(picture));
        ASSERT_EQ(read.status, ReadStatus::Loaded) << width;
        EXPECT_EQ(read.picture.width, width);
        EXPECT_EQ(read.picture.height, 3);
        EXPECT_EQ(read.picture.pixels, picture.pixels) << width;
    }
}

TEST(BmpReader, ComputesThePixelSizeWhenTheImageSizeFieldIsZero)
{
    // Width 3: rows of 9 bytes padded to 12, so two rows need 24 bytes.
    const ReadResult read = ReadBytes(CraftBmp({.width = 3, .height = 2, .imageSize = 0, .pixelBytes = 24}));
    ASSERT_EQ(read.status, ReadStatus::Loaded);
    EXPECT_EQ(read.picture.pixels.size(), 24u);
}

TEST(BmpReader, ReadsPixelsFromTheOffsetPastAPalette)
{
    const ReadResult read =
        ReadBytes(CraftBmp({.pixelDataOffset = 54 + 1024, .width = 1, .height = 1, .pixelBytes = 4, .pixelFill = 7}));
    ASSERT_EQ(read.status, ReadStatus::Loaded);
    EXPECT_EQ(read.picture.pixels, (std::vector<std::uint8_t>{7, 7, 7, 7}));  // no palette byte 0xC3 among them
}

TEST(BmpReader, SkipsDeclaredPixelBytesBeyondTheRowsWhenPresent)
{
    const ReadResult read = ReadBytes(CraftBmp({.imageSize = 20, .pixelBytes = 20}));
    ASSERT_EQ(read.status, ReadStatus::Loaded);
    EXPECT_EQ(read.picture.pixels.size(), 16u);
}

TEST(BmpReader, RefusesFilesItCannotUse)
{
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        ReadStatus expected;
    };
    std::vector<std::uint8_t> thirteen = CraftBmp({});
    thirteen.resize(13);
    std::vector<std::uint8_t> cutInHeader = CraftBmp({});
    cutInHeader.resize(40);
    std::vector<std::uint8_t> cutInPalette = CraftBmp({.pixelDataOffset = 54 + 1024});
    cutInPalette.resize(500);
    std::vector<std::uint8_t> zeroOffset = CraftBmp({});
    testing::Put(zeroOffset, 10, 0, 4);
    std::vector<std::uint8_t> farOffset = CraftBmp({});
    testing::Put(farOffset, 10, 0xFFFFFFF0u, 4);

    const Case cases[] = {
        {"empty file", {}, ReadStatus::ShortFileHeader},
        {"13 bytes", thirteen, ReadStatus::ShortFileHeader},
        {"not BM", CraftBmp({.signature = "MB"}), ReadStatus::NotBmp},
        {"offset 37", CraftBmp({.pixelDataOffset = 37}), ReadStatus::HeaderBlockTooSmall},
        {"offset 0", zeroOffset, ReadStatus::HeaderBlockTooSmall},
        {"ends in the info header", cutInHeader, ReadStatus::ShortHeaderBlock},
        {"ends in the palette", cutInPalette, ReadStatus::ShortHeaderBlock},
        {"offset far past the end", farOffset, ReadStatus::ShortHeaderBlock},
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
        if (read.status != ReadStatus::Loaded) EXPECT_TRUE(read.picture.pixels.empty()) << c.what;
    }
}

TEST(BmpReader, ReportsTheHeaderSizeEvenWhenThePixelsAreMissing)
{
    const ReadResult read = ReadBytes(CraftBmp({.width = 640, .height = 480, .pixelBytes = 10}));
    EXPECT_EQ(read.status, ReadStatus::ShortPixelData);
    EXPECT_EQ(read.width, 640);
    EXPECT_EQ(read.height, 480);
}

TEST(BmpReader, AMissingFileCannotBeOpened)
{
    EXPECT_EQ(ReadBmpFile("/nonexistent/wavorin/Zelvane2.alo").status, ReadStatus::CannotOpen);
}

}  // namespace
}  // namespace wavorin::snapshot
