#include "tools/picturegen/DialogPictures.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace wavorin::tools {
namespace {

Bytes Committed(const std::string& name)
{
    std::ifstream file(std::string(WAVORIN_DIALOG_ASSETS_DIR) + "/" + name, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

// Same layout, and every byte within one step of the generator's (compilers may round the
// last bit of the shading differently).
void ExpectRegenerates(const std::string& name, const Bytes& generated, std::size_t headerSize)
{
    const Bytes committed = Committed(name);
    ASSERT_EQ(committed.size(), generated.size()) << name;
    for (std::size_t i = 0; i < headerSize; ++i) ASSERT_EQ(committed[i], generated[i]) << name << " header byte " << i;
    std::size_t differing = 0;
    for (std::size_t i = headerSize; i < committed.size(); ++i) {
        if (committed[i] != generated[i]) ++differing;
        ASSERT_LE(std::abs(int(committed[i]) - int(generated[i])), 1) << name << " byte " << i;
    }
    EXPECT_LE(differing, committed.size() / 100) << name;
}

TEST(DialogPictures, CommittedFilesAreWhatTheGeneratorMakes)
{
    ExpectRegenerates("banner.bmp", MakeBannerStrip(), 54);
    ExpectRegenerates("option0.bmp", MakeOptionGlyph(false), 54);
    ExpectRegenerates("option1.bmp", MakeOptionGlyph(true), 54);
    ExpectRegenerates("banner.cur", MakeBannerCursor(), 6 + 16 + 40 + 8);
    // Icon pixels are palette indices: compare the headers and palette exactly, then the size.
    const Bytes icon = MakeIcon();
    const Bytes committedIcon = Committed("Wavorin.ico");
    ASSERT_EQ(committedIcon.size(), icon.size());
    EXPECT_TRUE(std::equal(icon.begin(), icon.begin() + 6 + 16 + 40 + 1024, committedIcon.begin()));
}

TEST(DialogPictures, BannerStripHoldsTwentyFourDistinctFramesThatLoop)
{
    const Bytes strip = MakeBannerStrip();
    const int stride = kBannerWidth * 3;  // 360, already a multiple of four
    ASSERT_EQ(strip.size(), 54u + std::size_t(stride) * kBannerHeight * kBannerFrames);
    auto frameStart = [&](int frame) {  // frame 0 is the top one; rows are stored bottom-up
        return strip.begin() + 54 + std::ptrdiff_t(kBannerFrames - 1 - frame) * kBannerHeight * stride;
    };
    auto difference = [&](int a, int b) {
        long total = 0;
        for (int i = 0; i < kBannerHeight * stride; ++i) total += std::abs(int(frameStart(a)[i]) - int(frameStart(b)[i]));
        return total;
    };
    for (int frame = 0; frame < kBannerFrames; ++frame) {
        EXPECT_GT(difference(frame, (frame + 1) % kBannerFrames), 2000) << "frame " << frame + 1 << " repeats its successor";
    }
    // The step from the last frame back to the first is no bigger than any other step.
    long largestStep = 0;
    for (int frame = 0; frame + 1 < kBannerFrames; ++frame) largestStep = std::max(largestStep, difference(frame, frame + 1));
    EXPECT_LE(difference(kBannerFrames - 1, 0), largestStep * 11 / 10);
}

TEST(DialogPictures, OptionGlyphsDifferOnlyByTheirDot)
{
    const Bytes empty = MakeOptionGlyph(false), selected = MakeOptionGlyph(true);
    ASSERT_EQ(empty.size(), selected.size());
    const int stride = 36;  // 12 pixels of 3 bytes
    auto pixel = [&](const Bytes& bmp, int x, int y) { return bmp.begin() + 54 + (11 - y) * stride + x * 3; };
    EXPECT_EQ(std::vector<std::uint8_t>(pixel(empty, 0, 0), pixel(empty, 0, 0) + 3), std::vector<std::uint8_t>(3, 224));
    EXPECT_EQ(std::vector<std::uint8_t>(pixel(empty, 6, 6), pixel(empty, 6, 6) + 3), std::vector<std::uint8_t>(3, 255));
    EXPECT_LT(int(pixel(selected, 6, 6)[1]), 160);  // the dot is dark
    EXPECT_TRUE(std::equal(pixel(empty, 0, 0), pixel(empty, 0, 0) + stride, pixel(selected, 0, 0)));
}

}  // namespace
}  // namespace wavorin::tools
