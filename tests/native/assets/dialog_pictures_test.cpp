// The committed dialog pictures: what the generator makes, a banner that loops, option glyphs.

#include "tools/picturegen/DialogPictures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace wavorin::tools {
namespace {

TEST(DialogPictures, CommittedFilesAreWhatTheGeneratorMakes)
{
    // Same header, and every byte within one step of the generator's (compilers may round the
    // last bit of the shading differently). Icon pixels are palette indices: only the header
    // and palette are compared.
    const struct {
        const char* name;
        Bytes generated;
        std::size_t header;
        bool pixels;
    } rows[] = {{"banner.bmp", MakeBannerStrip(), 54, true},         {"option0.bmp", MakeOptionGlyph(false), 54, true},
                {"option1.bmp", MakeOptionGlyph(true), 54, true},    {"banner.cur", MakeBannerCursor(), 6 + 16 + 40 + 8, true},
                {"Wavorin.ico", MakeIcon(), 6 + 16 + 40 + 1024, false}};
    for (const auto& row : rows) {
        std::ifstream file(std::string(WAVORIN_DIALOG_ASSETS_DIR) + "/" + row.name, std::ios::binary);
        const Bytes committed{std::istreambuf_iterator<char>(file), {}};
        ASSERT_EQ(committed.size(), row.generated.size()) << row.name;
        EXPECT_TRUE(std::equal(committed.begin(), committed.begin() + std::ptrdiff_t(row.header), row.generated.begin())) << row.name;
        std::size_t differing = 0;
        for (std::size_t i = row.header; row.pixels && i < committed.size(); ++i) {
            differing += committed[i] != row.generated[i];
            ASSERT_LE(std::abs(int(committed[i]) - int(row.generated[i])), 1) << row.name << " byte " << i;
        }
        EXPECT_LE(differing, committed.size() / 100) << row.name;
    }
}

TEST(DialogPictures, BannerStripHoldsTwentyFourDistinctFramesThatLoop)
{
    const Bytes strip = MakeBannerStrip();
    const int frameBytes = kBannerWidth * 3 * kBannerHeight;  // rows of 360 bytes need no padding
    ASSERT_EQ(strip.size(), 54u + std::size_t(frameBytes) * kBannerFrames);
    auto difference = [&](int a, int b) {  // frame 0 is the top one; rows are stored bottom-up
        const auto at = [&](int frame) { return strip.begin() + 54 + std::ptrdiff_t(kBannerFrames - 1 - frame) * frameBytes; };
        long total = 0;
        for (int i = 0; i < frameBytes; ++i) total += std::abs(int(at(a)[i]) - int(at(b)[i]));
        return total;
    };
    long largestStep = 0;
    for (int frame = 0; frame < kBannerFrames; ++frame) {
        EXPECT_GT(difference(frame, (frame + 1) % kBannerFrames), 2000) << "frame " << frame + 1 << " repeats its successor";
        if (frame + 1 < kBannerFrames) largestStep = std::max(largestStep, difference(frame, frame + 1));
    }
    // The step from the last frame back to the first is no bigger than any other step.
    EXPECT_LE(difference(kBannerFrames - 1, 0), largestStep * 11 / 10);
}

TEST(DialogPictures, OptionGlyphsDifferOnlyByTheirDot)
{
    const Bytes empty = MakeOptionGlyph(false), selected = MakeOptionGlyph(true);
    ASSERT_EQ(empty.size(), selected.size());
    auto pixel = [](const Bytes& bmp, int x, int y) { return bmp.begin() + 54 + (11 - y) * 36 + x * 3; };  // 12 x 12
    EXPECT_EQ(Bytes(pixel(empty, 0, 0), pixel(empty, 0, 0) + 3), Bytes(3, 224));
    EXPECT_EQ(Bytes(pixel(empty, 6, 6), pixel(empty, 6, 6) + 3), Bytes(3, 255));
    EXPECT_LT(int(pixel(selected, 6, 6)[1]), 160);  // the dot is dark
    EXPECT_TRUE(std::equal(pixel(empty, 0, 0), pixel(empty, 0, 0) + 36, pixel(selected, 0, 0)));
}

}  // namespace
}  // namespace wavorin::tools
