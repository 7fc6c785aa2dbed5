// The committed ring pictures: what the generator makes, seamless, and of their kind; and the
// step from a decoded picture to the renderer's snapshot.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>

#include "host/assets/BuiltInPicture.h"
#include "host/assets/RingPictures.h"
#include "tools/picturegen/RingPictures.h"

namespace wavorin::host {
namespace {

constexpr int kSide = tools::kRingPictureSide;

RgbPicture Committed(int index)
{
    std::ifstream file(std::string(WAVORIN_RINGS_DIR) + "/ring" + std::to_string(index) + ".jpg", std::ios::binary);
    const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
    auto picture = DecodePicture(bytes);
    return picture ? *picture : RgbPicture{};
}

// Mean colour difference between column (or row) a and b.
double LineDifference(const RgbPicture& p, int a, int b, bool columns)
{
    double sum = 0;
    for (int k = 0; k < kSide * 3; ++k) {
        const int along = k / 3, x1 = columns ? a : along, y1 = columns ? along : a, x2 = columns ? b : along, y2 = columns ? along : b;
        sum += std::abs(int(p.rgb[std::size_t((y1 * kSide + x1) * 3 + k % 3)]) - int(p.rgb[std::size_t((y2 * kSide + x2) * 3 + k % 3)]));
    }
    return sum / (kSide * 3);
}

class RingPicture : public ::testing::TestWithParam<int> {};

TEST_P(RingPicture, IsWhatTheGeneratorMakesAndWrapsWithoutASeam)
{
    const RgbPicture picture = Committed(GetParam());
    ASSERT_EQ(picture.width, kSide);
    ASSERT_EQ(picture.height, kSide);
    const auto made = tools::MakeRingPicture(GetParam());
    double difference = 0;
    for (std::size_t i = 0; i < made.size(); ++i) difference += std::abs(int(made[i]) - int(picture.rgb[i]));
    EXPECT_LT(difference / double(made.size()), 4.0) << "regenerate with: picturegen host/assets/rings";
    for (bool columns : {true, false}) {
        double interior = 0;
        for (int k = 0; k + 1 < kSide; ++k) interior += LineDifference(picture, k, k + 1, columns);
        // The last line meets the first when the picture repeats around the ring.
        EXPECT_LT(LineDifference(picture, kSide - 1, 0, columns), 2.5 * interior / (kSide - 1) + 2) << columns;
    }
}

INSTANTIATE_TEST_SUITE_P(AllFive, RingPicture, ::testing::Range(0, tools::kRingPictureCount));

// Each picture is of its kind: enough of its pixels show the colours that kind is made of.
TEST(RingPictures, EachIsOfItsKind)
{
    const struct {
        int index;
        const char* kind;
        std::function<bool(int r, int g, int b)> pixel;
        int atLeast;
    } rows[] = {
        {0, "orange and red flames", [](int r, int g, int b) { return r > g + 40 && g > b + 20; }, kSide * kSide / 3},
        {1, "dark ground", [](int r, int g, int b) { return r + g + b < 3 * 110; }, kSide * kSide / 2},
        {1, "red bubbles", [](int r, int g, int b) { return r > 150 && r > g + 60 && r > b + 60; }, 50},
        {1, "green bubbles", [](int r, int g, int b) { return g > 150 && g > r + 60 && g > b + 60; }, 50},
        {1, "blue bubbles", [](int r, int g, int b) { return b > 150 && b > r + 60 && b > g + 60; }, 50},
        {2, "blue sky", [](int r, int, int b) { return b > r + 40 && b > 180; }, kSide * kSide / 3},
        {3, "green patches", [](int r, int g, int b) { return g > r + 30 && g > b + 30; }, kSide * kSide / 20},
        {3, "orange patches", [](int r, int g, int b) { return r > g + 40 && g > b + 30; }, kSide * kSide / 20},
        {3, "violet patches", [](int r, int g, int b) { return b > g + 40 && r > g + 20; }, kSide * kSide / 20},
        {4, "blue and violet cells", [](int r, int g, int b) { return b > r + 30 && r > g; }, kSide * kSide / 3},
    };
    for (const auto& row : rows) {
        const RgbPicture picture = Committed(row.index);
        int count = 0;
        for (std::size_t i = 0; i + 2 < picture.rgb.size(); i += 3) count += row.pixel(picture.rgb[i], picture.rgb[i + 1], picture.rgb[i + 2]);
        EXPECT_GE(count, row.atLeast) << row.kind;
    }
}

TEST(RingPictures, OnlyWholeDecodedPicturesBecomeSnapshotsTopRowFirst)
{
    EXPECT_FALSE(DecodePicture(std::vector<std::uint8_t>{0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3}).has_value());
    EXPECT_FALSE(DecodePicture({}).has_value());
    const auto snapshot = ToSnapshotPicture({1, 2, {10, 20, 30, 40, 50, 60}});
    ASSERT_TRUE(snapshot);
    EXPECT_EQ(snapshot::PixelAt(*snapshot, 0, 0), (snapshot::Rgb{10, 20, 30}));
    EXPECT_EQ(snapshot::PixelAt(*snapshot, 0, 1), (snapshot::Rgb{40, 50, 60}));
    EXPECT_TRUE(ToSnapshotPicture({1, 1, {1, 2, 3}}));
    for (const RgbPicture& bad : {RgbPicture{0, 1, {}}, RgbPicture{1, 0, {}}, RgbPicture{1, 2, {1, 2, 3}},
                                  RgbPicture{snapshot::kMaxSide + 1, 1, std::vector<std::uint8_t>((snapshot::kMaxSide + 1) * 3)},
                                  RgbPicture{1, snapshot::kMaxSide + 1, std::vector<std::uint8_t>((snapshot::kMaxSide + 1) * 3)}}) {
        EXPECT_FALSE(ToSnapshotPicture(bad)) << bad.width << "x" << bad.height;
    }
}

}  // namespace
}  // namespace wavorin::host
