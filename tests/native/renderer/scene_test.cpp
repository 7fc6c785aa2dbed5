// The scene's clock, and the scene drawn offscreen and read back: where the ring and the arc
// are at given times, their colours with and without pictures, on screens of any shape, and
// the host's preview still.

#include <cmath>

#include "common/snapshot/BmpReader.h"
#include "renderer/Scene.h"
#include "renderer/SceneGeometry.h"
#include "renderer/SceneTime.h"
#include "tests/native/renderer/GlTestSupport.h"
#include "tools/preview_still/PreviewStill.h"

namespace wavorin::renderer {
namespace {

using namespace testing;

TEST(SceneTime, SecondsFromCounterTicksAndAnglesWithinOneTurn)
{
    constexpr std::int64_t perSecond = 10'000'000, longAgo = (std::int64_t{1} << 62) + 12345;  // beyond a double's exact range
    EXPECT_DOUBLE_EQ(SecondsElapsed(1000, 1000 + perSecond / 4, perSecond), 0.25);
    EXPECT_DOUBLE_EQ(SecondsElapsed(longAgo, longAgo + 7 * perSecond + 1, perSecond), 7.0000001);
    EXPECT_DOUBLE_EQ(SecondsElapsed(5, 10, 0), 0.0);  // no counter: time stands still
    // A week on, the angles still move in steps as fine as in the first second.
    const struct {
        double t;
        float tumble, arc;
    } rows[] = {{0, 0, 0}, {0.5, 22.5f, 90}, {1, 45, 180}, {2, 90, 0}, {9, 45, 180}, {-1, 315, 180}, {604800.01, 0.45f, 1.8f},
                {8 - 1e-9, 0, 0}};  // a hair short of a whole turn is no angle of 360
    for (const auto& row : rows) {
        EXPECT_NEAR(TumbleDegrees(row.t), row.tumble, 1e-3) << row.t;
        EXPECT_NEAR(ArcTurnDegrees(row.t), row.arc, 1e-3) << row.t;
    }
}

class SceneTest : public GlTest {
protected:
    // A run of the renderer with these pictures (a missing file where there is none).
    void Start(const Picture* ring, const Picture* desktop)
    {
        if (ring) ASSERT_TRUE(snapshot::WriteBmpFile(ringFile.path, *ring));
        if (desktop) ASSERT_TRUE(snapshot::WriteBmpFile(desktopFile.path, *desktop));
        ASSERT_TRUE(InitScene(scene, 320, 240, {ringFile.path.c_str(), desktopFile.path.c_str()}));
    }
    Picture Frame(double t)
    {
        DrawFrame(scene, t);
        return gl.Read();
    }
    TempFile ringFile{"Zelvane1.alo"}, desktopFile{"Zelvane2.alo"};
    Scene scene;  // destroyed before the context
};

TEST_F(SceneTest, WithoutPicturesAYellowRingAndAnArcFromWhiteToBlack)
{
    Start(nullptr, nullptr);
    for (const GLuint list : {1u, 2u, 3u, 125u}) EXPECT_TRUE(glIsList(list)) << list;  // the satellite rings' too
    // At 0 the arc rises from the hole, whitest where it adds itself to the ring in front.
    ExpectPixels(Frame(0),
                 {{4, 4, {0, 0, 0}}, {84, 124, {204, 204, 0}}, {220, 124, {204, 204, 0}}, {164, 148, {204, 204, 0}},
                  {124, 124, {0, 0, 0}}, {156, 92, {255, 255, 247}}, {156, 60, {240, 240, 240}}, {156, 12, {231, 231, 231}}},
                 "t=0");
    // At 1 the ring has tumbled upright and the arc's dark end crosses the hole.
    ExpectPixels(Frame(1),
                 {{156, 60, {204, 204, 0}}, {156, 188, {204, 204, 0}}, {84, 124, {204, 204, 0}}, {164, 124, {0, 0, 0}},
                  {148, 140, {19, 19, 19}}, {156, 92, {0, 0, 0}}},
                 "t=1");
}

// The ring's yellow takes the blue out of its picture; the desktop's left half (red) runs
// from the arc's white end, its right half (green) towards the black end.
TEST_F(SceneTest, TheRingTintsItsPictureAndTheArcCarriesTheDesktop)
{
    const Picture ring = Filled(128, 128, [](int, int) { return Rgb{255, 128, 255}; });
    const Picture desktop = Filled(64, 32, [](int x, int) { return x < 32 ? Rgb{255, 0, 0} : Rgb{0, 255, 0}; });
    Start(&ring, &desktop);
    EXPECT_EQ(scene.arcTexture.Builder(), MipmapBuilder::PreparedLevels);  // the live context's limit holds the desktop
    ExpectPixels(Frame(0.5),
                 {{84, 124, {204, 102, 0}}, {156, 188, {204, 102, 0}}, {156, 76, {204, 215, 0}}, {156, 20, {0, 102, 0}},
                  {164, 124, {0, 125, 0}}, {164, 148, {133, 0, 0}}, {124, 124, {0, 0, 0}}},
                 "t=0.5");
}

// A client area with no height is framed as one pixel high: a 45-degree view whose first
// matrix entry is cot(22.5 degrees) / 320 = 2.4142136 / 320, not an endless width.
TEST_F(SceneTest, NoHeightIsFramedAsOnePixelHigh)
{
    FrameScene(320, 0);
    GLdouble projection[16]{};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[0], 2.4142136 / 320, 1e-6);
}

// Bands around the tube by segments along it: the ring's levels 4 x 12, 7 x 26 and 10 x 40
// (a strip is the seam's pair, then a pair per segment), the arc 10 x 20 (a pair per end).
TEST(SceneGeometry, BandsAndSegmentsOfEachObject)
{
    const std::tuple<Strips, std::size_t, std::size_t> objects[] = {
        {RingStrips(0), 4, 26}, {RingStrips(1), 7, 54}, {RingStrips(2), 10, 82}, {ArcStrips(), 10, 42}};
    for (const auto& [strips, bands, vertices] : objects) {
        EXPECT_EQ(strips.size(), bands);
        for (const Strip& strip : strips) EXPECT_EQ(strip.size(), vertices) << bands;
    }
}

// A frame of the scene without pictures, at time t, on a screen of this size.
Picture SceneFrame(int width, int height, double t)
{
    OffscreenGl gl(width, height);
    EXPECT_TRUE(gl.Ok());
    Scene scene;  // destroyed before the context
    EXPECT_TRUE(InitScene(scene, width, height, {"/nonexistent/Zelvane1.alo", "/nonexistent/Zelvane2.alo"}));
    DrawFrame(scene, t);
    return gl.Read();
}

// The view keeps its vertical angle whatever the screen's shape: a wide (21:9) or a portrait
// screen shows, centred, the same picture as any other screen of its height, with more or
// less room beside it. Compared where both have columns: shifted by half the difference.
TEST(SceneShape, WideAndPortraitScreensShowTheSamePictureCentred)
{
    constexpr int kHeight = 320, kReferenceWidth = 420;
    for (const double t : {0.0, 1.0}) {
        const Picture reference = SceneFrame(kReferenceWidth, kHeight, t);
        for (const int width : {746, 180}) {
            const Picture frame = SceneFrame(width, kHeight, t);
            const int shift = (width - kReferenceWidth) / 2;
            int compared = 0, lit = 0, unlike = 0;
            for (int y = 0; y < kHeight; ++y) {
                for (int x = std::max(0, shift); x < std::min(width, kReferenceWidth + shift); ++x) {
                    const Rgb a = snapshot::PixelAt(frame, x, y), b = snapshot::PixelAt(reference, x - shift, y);
                    ++compared;
                    lit += b.r + b.g + b.b > 0;
                    unlike += std::max({std::abs(a.r - b.r), std::abs(a.g - b.g), std::abs(a.b - b.b)}) > 8;
                }
            }
            EXPECT_GT(lit, compared / 20) << width << " at " << t;  // the scene is there to compare
            EXPECT_LT(unlike, compared / 1000) << width << " at " << t;
        }
    }
}

// The committed preview picture is what the scene draws now, every channel of every pixel
// within 4 (a rasteriser may round a step or two apart); regenerate it with
// tools/preview_still after a change to the scene.
TEST(PreviewStill, CommittedPictureIsTheScenesStill)
{
    const auto committed = snapshot::ReadBmpFile(WAVORIN_SOURCE_DIR "/host/assets/preview.bmp");
    const Picture rendered = tools::RenderPreviewStill();
    ASSERT_EQ(rendered.pixels.size(), committed.picture.pixels.size());
    int far = 0;
    for (std::size_t i = 0; i < rendered.pixels.size(); ++i) far += std::abs(rendered.pixels[i] - committed.picture.pixels[i]) > 4;
    EXPECT_EQ(far, 0) << "bytes of " << rendered.pixels.size();
}

}  // namespace
}  // namespace wavorin::renderer
