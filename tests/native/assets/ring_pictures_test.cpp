// The committed ring pictures: what the generator makes, seamless, and of their kind.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <iterator>
#include <string>

#include "host/assets/BuiltInPicture.h"
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

struct Mean {
    double r = 0, g = 0, b = 0;
};

Mean MeanOf(const std::vector<std::uint8_t>& rgb)
{
    Mean m;
    for (std::size_t i = 0; i + 2 < rgb.size(); i += 3) m.r += rgb[i], m.g += rgb[i + 1], m.b += rgb[i + 2];
    const double n = double(rgb.size() / 3);
    return {m.r / n, m.g / n, m.b / n};
}

// Mean colour difference between column (or row) a and b.
double LineDifference(const RgbPicture& p, int a, int b, bool columns)
{
    double sum = 0;
    for (int k = 0; k < kSide; ++k) {
        const int x1 = columns ? a : k, y1 = columns ? k : a, x2 = columns ? b : k, y2 = columns ? k : b;
        for (int c = 0; c < 3; ++c) {
            sum += std::abs(int(p.rgb[std::size_t((y1 * kSide + x1) * 3 + c)]) -
                            int(p.rgb[std::size_t((y2 * kSide + x2) * 3 + c)]));
        }
    }
    return sum / (kSide * 3);
}

class RingPicture : public ::testing::TestWithParam<int> {};

TEST_P(RingPicture, IsWhatTheGeneratorMakes)
{
    const RgbPicture picture = Committed(GetParam());
    ASSERT_EQ(picture.width, kSide);
    ASSERT_EQ(picture.height, kSide);
    const auto made = tools::MakeRingPicture(GetParam());
    double difference = 0;
    for (std::size_t i = 0; i < made.size(); ++i) difference += std::abs(int(made[i]) - int(picture.rgb[i]));
    EXPECT_LT(difference / double(made.size()), 4.0) << "regenerate with: picturegen host/assets/rings";
}

TEST_P(RingPicture, WrapsWithoutASeam)
{
    const RgbPicture picture = Committed(GetParam());
    ASSERT_EQ(picture.width, kSide);
    for (bool columns : {true, false}) {
        double interior = 0;
        for (int k = 0; k + 1 < kSide; ++k) interior += LineDifference(picture, k, k + 1, columns);
        interior /= kSide - 1;
        // The last line meets the first when the picture repeats around the ring.
        EXPECT_LT(LineDifference(picture, kSide - 1, 0, columns), 2.5 * interior + 2) << (columns ? "columns" : "rows");
    }
}

INSTANTIATE_TEST_SUITE_P(AllFive, RingPicture, ::testing::Range(0, tools::kRingPictureCount));

TEST(RingPictures, EachIsOfItsKind)
{
    const Mean flames = MeanOf(Committed(0).rgb), bubbles = MeanOf(Committed(1).rgb), sky = MeanOf(Committed(2).rgb),
               mottling = MeanOf(Committed(3).rgb), cells = MeanOf(Committed(4).rgb);
    EXPECT_GT(flames.r, flames.g + 40);  // orange and red
    EXPECT_GT(flames.g, flames.b + 20);
    EXPECT_LT(bubbles.r + bubbles.g + bubbles.b, 3 * 110);  // glowing rings on a dark ground
    EXPECT_GT(sky.b, sky.r + 40);  // white clouds on blue
    EXPECT_GT(sky.b, 180);
    EXPECT_GT(cells.b, cells.r + 30);  // blue and violet
    EXPECT_GT(cells.r, cells.g);

    // Mottling: green, orange and violet patches, each a real share of the picture.
    const RgbPicture mottled = Committed(3);
    int green = 0, orange = 0, violet = 0;
    for (std::size_t i = 0; i + 2 < mottled.rgb.size(); i += 3) {
        const int r = mottled.rgb[i], g = mottled.rgb[i + 1], b = mottled.rgb[i + 2];
        green += g > r + 30 && g > b + 30;
        orange += r > g + 40 && g > b + 30;
        violet += b > g + 40 && r > g + 20;
    }
    const int share = kSide * kSide / 20;
    EXPECT_GT(green, share);
    EXPECT_GT(orange, share);
    EXPECT_GT(violet, share);
    EXPECT_GT(mottling.r + mottling.g + mottling.b, 0);

    // Bubbles come in many hues.
    const RgbPicture bubbly = Committed(1);
    int reddish = 0, greenish = 0, bluish = 0;
    for (std::size_t i = 0; i + 2 < bubbly.rgb.size(); i += 3) {
        const int r = bubbly.rgb[i], g = bubbly.rgb[i + 1], b = bubbly.rgb[i + 2];
        reddish += r > 150 && r > g + 60 && r > b + 60;
        greenish += g > 150 && g > r + 60 && g > b + 60;
        bluish += b > 150 && b > r + 60 && b > g + 60;
    }
    EXPECT_GT(reddish, 50);
    EXPECT_GT(greenish, 50);
    EXPECT_GT(bluish, 50);
}

TEST(DecodePicture, RefusesWhatIsNotAPicture)
{
    const std::vector<std::uint8_t> junk{0xFF, 0xD8, 0xFF, 0x00, 1, 2, 3};
    EXPECT_FALSE(DecodePicture(junk).has_value());
    EXPECT_FALSE(DecodePicture({}).has_value());
}

}  // namespace
}  // namespace wavorin::host
