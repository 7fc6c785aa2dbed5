// The scene's clock, and the scene drawn offscreen and read back: where the ring and the arc
// are at given times, their colours with and without pictures, on screens of either shape.

#include "renderer/Scene.h"
#include "renderer/SceneTime.h"
#include "tests/native/renderer/GlTestSupport.h"

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
    } rows[] = {{0, 0, 0}, {0.5, 22.5f, 90}, {1, 45, 180}, {2, 90, 0}, {9, 45, 180}, {-1, 315, 180}, {604800.01, 0.45f, 1.8f}};
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

// The view keeps its vertical angle whatever the screen's shape: a screen twice as wide shows
// the frame of a 320 x 240 one, centred, with room beside it.
TEST(SceneShape, AWideScreenShowsTheSamePictureCentred)
{
    OffscreenGl wide(640, 240);
    ASSERT_TRUE(wide.Ok());
    Scene scene;  // destroyed before the context
    ASSERT_TRUE(InitScene(scene, 640, 240, {"/nonexistent/Zelvane1.alo", "/nonexistent/Zelvane2.alo"}));
    DrawFrame(scene, 0);
    // Points of the narrower screen's frame at 0, 160 to the right.
    ExpectPixels(wide.Read(),
                 {{244, 124, {204, 204, 0}}, {380, 124, {204, 204, 0}}, {284, 124, {0, 0, 0}}, {316, 92, {255, 255, 247}},
                  {4, 124, {0, 0, 0}}, {636, 124, {0, 0, 0}}},
                 "640 x 240 at 0");
}

}  // namespace
}  // namespace wavorin::renderer
