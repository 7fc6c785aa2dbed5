// The built-in pictures: the committed files are what the generator makes (tools/picturegen),
// the ring pictures wrap around the ring without a seam, and a decoded picture becomes a
// snapshot only when whole, top row first.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "host/assets/BuiltInPicture.h"
#include "host/assets/RingPictures.h"
#include "tools/picturegen/DialogPictures.h"
#include "tools/picturegen/RingPictures.h"

namespace wavorin::assets {
namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr int kSide = tools::kRingPictureSide;

Bytes Committed(const std::string& name)
{
    std::ifstream file(WAVORIN_ASSETS_DIR "/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

// Mean colour difference between line a and line b, columns or rows.
double LineDifference(const RgbPicture& p, int a, int b, bool columns)
{
    double sum = 0;
    for (int k = 0; k < kSide * 3; ++k) {
        const int along = k / 3, x1 = columns ? a : along, y1 = columns ? along : a, x2 = columns ? b : along, y2 = columns ? along : b;
        sum += std::abs(int(p.rgb[std::size_t((y1 * kSide + x1) * 3 + k % 3)]) - int(p.rgb[std::size_t((y2 * kSide + x2) * 3 + k % 3)]));
    }
    return sum / (kSide * 3);
}

TEST(BuiltInPictures, RingPicturesAreWhatTheGeneratorMakesAndWrapWithoutASeam)
{
    for (int index = 0; index < tools::kRingPictureCount; ++index) {
        const auto picture = DecodePicture(Committed("rings/ring" + std::to_string(index) + ".jpg"));
        ASSERT_TRUE(picture && picture->width == kSide && picture->height == kSide) << index;
        const auto made = tools::MakeRingPicture(index);
        double difference = 0;
        for (std::size_t i = 0; i < made.size(); ++i) difference += std::abs(int(made[i]) - int(picture->rgb[i]));
        EXPECT_LT(difference / double(made.size()), 4.0) << "regenerate ring " << index << " with picturegen";
        for (bool columns : {true, false}) {
            double interior = 0;
            for (int k = 0; k + 1 < kSide; ++k) interior += LineDifference(*picture, k, k + 1, columns);
            // The last line meets the first where the picture repeats around the ring.
            EXPECT_LT(LineDifference(*picture, kSide - 1, 0, columns), 2.5 * interior / (kSide - 1) + 2) << index;
        }
    }
}

TEST(BuiltInPictures, DialogPicturesAreWhatTheGeneratorMakes)
{
    const std::pair<const char*, Bytes> files[] = {
        {"dialog/banner.bmp", tools::MakeBannerStrip()},     {"dialog/option0.bmp", tools::MakeOptionGlyph(false)},
        {"dialog/option1.bmp", tools::MakeOptionGlyph(true)}, {"dialog/Wavorin.ico", tools::MakeIcon()},
        {"dialog/banner.cur", tools::MakeBannerCursor()},
    };
    for (const auto& [name, made] : files) EXPECT_TRUE(Committed(name) == made) << "regenerate " << name << " with picturegen";
}

TEST(BuiltInPictures, OnlyWholeDecodedPicturesBecomeSnapshotsTopRowFirst)
{
    EXPECT_FALSE(DecodePicture(Bytes{0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3}));
    EXPECT_FALSE(DecodePicture(Bytes{}));
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
