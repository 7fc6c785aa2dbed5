// The host's preview picture is the scene's own still: the committed picture matches what the
// generator renders now, so a change to the scene shows up here until the still is remade
// (tools/preview_still).

#include <gtest/gtest.h>

#include "common/snapshot/BmpReader.h"
#include "tests/native/renderer/GlTestSupport.h"
#include "tools/preview_still/PreviewStill.h"

namespace wavorin::renderer {
namespace {

TEST(PreviewStill, CommittedPictureIsTheScenesStill)
{
    const auto committed = snapshot::ReadBmpFile(WAVORIN_SOURCE_DIR "/host/assets/preview.bmp");
    ASSERT_EQ(committed.status, snapshot::ReadStatus::Loaded);
    EXPECT_EQ(committed.picture.width, tools::kPreviewWidth);
    EXPECT_EQ(committed.picture.height, tools::kPreviewHeight);

    const snapshot::Picture rendered = tools::RenderPreviewStill();
    ASSERT_EQ(rendered.pixels.size(), committed.picture.pixels.size());
    EXPECT_LT(testing::MeanDifference(rendered, committed.picture), 1.5);
    int far = 0;
    for (std::size_t i = 0; i < rendered.pixels.size(); ++i) far += std::abs(rendered.pixels[i] - committed.picture.pixels[i]) > 24;
    EXPECT_LT(far, int(rendered.pixels.size() / 100));  // edges may land a pixel apart elsewhere

    // A still of the scene at all: black around, the ring's warm colours and the desktop's blue.
    int warm = 0, blue = 0;
    for (int y = 0; y < rendered.height; ++y) {
        for (int x = 0; x < rendered.width; ++x) {
            const snapshot::Rgb c = snapshot::PixelAt(rendered, x, y);
            warm += c.r > 150 && c.b < 60;
            blue += c.b > 60 && c.b > 2 * c.r;
        }
    }
    EXPECT_GT(warm, 500);
    EXPECT_GT(blue, 500);
    EXPECT_EQ(snapshot::PixelAt(rendered, 2, 2), (snapshot::Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace wavorin::renderer
