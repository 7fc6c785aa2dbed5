// The mipmap chain made on the CPU: each pixel the rounded mean of the pixels it covers, odd
// sides dropping their last column or top row. That the sizes are GL's own shows where GL
// takes the chain as complete (texture_test).

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "renderer/MipLevels.h"

namespace wavorin::renderer {
namespace {

using snapshot::Rgb;

snapshot::Picture Rows(std::vector<std::vector<Rgb>> rowsFromTop)
{
    snapshot::Picture picture = snapshot::MakePicture(int(rowsFromTop[0].size()), int(rowsFromTop.size()));
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x) snapshot::SetPixel(picture, x, y, rowsFromTop[y][x]);
    }
    return picture;
}

TEST(HalvedLevel, EachPixelIsTheRoundedMeanOfTheBlockItCovers)
{
    // 3 x 3: the last column and the top row are left out (rows count from the bottom, as GL's do).
    const Rgb kLeftOut{255, 255, 255};
    const snapshot::Picture square = Rows({
        {kLeftOut, kLeftOut, kLeftOut},
        {{10, 0, 200}, {11, 1, 100}, kLeftOut},
        {{20, 2, 50}, {22, 4, 0}, kLeftOut},
    });
    const snapshot::Picture level = HalvedLevel(square);
    ASSERT_EQ(std::pair(level.width, level.height), std::pair(1, 1));
    // (10 + 11 + 20 + 22 + 2) / 4 = 16, (0 + 1 + 2 + 4 + 2) / 4 = 2, (200 + 100 + 50 + 0 + 2) / 4 = 88
    EXPECT_EQ(snapshot::PixelAt(level, 0, 0), (Rgb{16, 2, 88}));

    // A side of 1: the mean of two, halves rounded up.
    const snapshot::Picture column = HalvedLevel(Rows({{{10, 0, 255}}, {{13, 1, 254}}, {{7, 7, 7}}, {{8, 8, 8}}}));
    ASSERT_EQ(std::pair(column.width, column.height), std::pair(1, 2));
    EXPECT_EQ(snapshot::PixelAt(column, 0, 0), (Rgb{12, 1, 255}));  // (10 + 13 + 1) / 2, (0 + 1 + 1) / 2

    // Rows keep their padding to four bytes, zero filled.
    const snapshot::Picture wide = HalvedLevel(Rows({std::vector<Rgb>(6, Rgb{9, 9, 9}), std::vector<Rgb>(6, Rgb{9, 9, 9})}));
    ASSERT_EQ(wide.pixels.size(), 12u);  // 3 pixels of 3 bytes, 3 bytes of padding
    EXPECT_EQ(std::vector<std::uint8_t>(wide.pixels.begin() + 9, wide.pixels.end()), std::vector<std::uint8_t>(3, 0));
    EXPECT_EQ(snapshot::PixelAt(wide, 2, 0), (Rgb{9, 9, 9}));
}

}  // namespace
}  // namespace wavorin::renderer
