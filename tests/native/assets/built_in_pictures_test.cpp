// The built-in pictures: the committed ring pictures decode, and a decoded picture becomes a
// snapshot only when whole, top row first.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "host/assets/BuiltInPicture.h"
#include "host/assets/RingPictures.h"

namespace wavorin::assets {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Committed(const std::string& name)
{
    std::ifstream file(WAVORIN_ASSETS_DIR "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

TEST(BuiltInPictures, TheCommittedRingsDecodeAndOnlyWholePicturesBecomeSnapshotsTopRowFirst)
{
    EXPECT_FALSE(DecodePicture(Bytes{0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3}));
    EXPECT_FALSE(DecodePicture(Bytes{}));
    const auto ring = DecodePicture(Committed("rings/ring4.jpg"));  // 128 x 128
    ASSERT_TRUE(ring && ring->width == 128 && ring->height == 128 && ring->rgb.size() == 128u * 128 * 3);
    const auto snapshot = ToSnapshotPicture({1, 2, {10, 20, 30, 40, 50, 60}});
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(snapshot::PixelAt(*snapshot, 0, 0), (snapshot::Rgb{10, 20, 30}));
    EXPECT_EQ(snapshot::PixelAt(*snapshot, 0, 1), (snapshot::Rgb{40, 50, 60}));
    EXPECT_TRUE(ToSnapshotPicture({1, 1, {1, 2, 3}}));
    const Bytes tooLong((snapshot::kMaxSide + 1) * 3);
    for (const RgbPicture& bad : {RgbPicture{0, 1, {}}, RgbPicture{1, 0, {}}, RgbPicture{1, 2, {1, 2, 3}},
                                  RgbPicture{snapshot::kMaxSide + 1, 1, tooLong}, RgbPicture{1, snapshot::kMaxSide + 1, tooLong}}) {
        EXPECT_FALSE(ToSnapshotPicture(bad)) << bad.width << "x" << bad.height;
    }
}

}  // namespace
}  // namespace wavorin::assets
