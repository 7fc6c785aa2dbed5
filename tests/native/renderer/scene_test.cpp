// The scene drawn offscreen and read back: where the ring and the arc are at given times,
// their colours with and without pictures, and the transforms a frame leaves behind.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <optional>

#include "renderer/Scene.h"
#include "tests/native/renderer/GlTestSupport.h"
#include "tools/sample_pictures/SamplePictures.h"

namespace wavorin::renderer {
namespace {

using snapshot::Picture;
using snapshot::Rgb;
using testing::TempFile;

constexpr int kWidth = 320, kHeight = 240;
constexpr double kPiD = 3.14159265358979323846;

struct Vec {
    double x, y, z;
};

// Rotation by `degrees` about the axis (ax, ay, az), by Rodrigues' formula.
Vec Rotate(Vec p, double degrees, Vec axis)
{
    const double length = std::sqrt(axis.x * axis.x + axis.y * axis.y + axis.z * axis.z);
    const Vec k{axis.x / length, axis.y / length, axis.z / length};
    const double a = degrees * kPiD / 180, c = std::cos(a), s = std::sin(a);
    const double dot = k.x * p.x + k.y * p.y + k.z * p.z;
    const Vec cross{k.y * p.z - k.z * p.y, k.z * p.x - k.x * p.z, k.x * p.y - k.y * p.x};
    return {p.x * c + cross.x * s + k.x * dot * (1 - c), p.y * c + cross.y * s + k.y * dot * (1 - c),
            p.z * c + cross.z * s + k.z * dot * (1 - c)};
}

Vec Tumbled(Vec p, double t) { return Rotate(p, 45.0 * t, {1, 0.5, 0}); }

// A point of the ring's centre circle, at angle `phi` about the y axis.
Vec RingPoint(double phi, double t) { return Tumbled({std::sin(phi), 0, std::cos(phi)}, t); }

// A point of the arc's centre line, `phi` from its white end (0) to its black end (pi): a circle
// of radius 5 about (0, 0, -5) in the y-z plane, turning about x at 180 degrees a second.
Vec ArcPoint(double phi, double t)
{
    const double a = 180.0 * t * kPiD / 180;
    return Tumbled({0, 5 * std::sin(phi) * std::cos(a) - 5 * std::cos(phi) * std::sin(a),
                    5 * std::sin(phi) * std::sin(a) + 5 * std::cos(phi) * std::cos(a) - 5},
                   t);
}

class SceneTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gl.Ok()); }

    // Sets the scene up with pictures (or missing files where none is given) and draws one frame.
    Picture Frame(double t, const std::optional<Picture>& ring = std::nullopt,
                  const std::optional<Picture>& desktop = std::nullopt)
    {
        if (!initialised) {
            if (ring) testing::WriteSnapshot(ringFile, *ring);
            if (desktop) testing::WriteSnapshot(desktopFile, *desktop);
            const std::string ringPath = ringFile.str(), desktopPath = desktopFile.str();
            EXPECT_TRUE(InitScene(*scene, kWidth, kHeight, {ringPath.c_str(), desktopPath.c_str()}));
            glGetDoublev(GL_PROJECTION_MATRIX, projection.data());
            initialised = true;
        }
        DrawFrame(*scene, t);
        return gl.Read();
    }

    // Where a point of the world lands in the picture (y from the top), if it is in view.
    std::optional<std::pair<int, int>> Project(Vec p) const
    {
        static constexpr std::array<double, 16> identity{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        const GLint viewport[4] = {0, 0, kWidth, kHeight};
        double x = 0, y = 0, z = 0;
        if (!gluProject(p.x, p.y, p.z, identity.data(), projection.data(), viewport, &x, &y, &z)) return std::nullopt;
        const int px = int(std::lround(x)), py = kHeight - 1 - int(std::lround(y));
        if (z <= 0 || z >= 1 || px < 2 || py < 2 || px >= kWidth - 2 || py >= kHeight - 2) return std::nullopt;
        return std::pair{px, py};
    }

    static bool IsYellow(Rgb c) { return c.r >= 190 && c.g >= 190 && c.b <= 30 && std::abs(c.r - c.g) <= 8; }
    static bool IsGrey(Rgb c, int level, int tolerance)
    {
        return std::abs(c.r - level) <= tolerance && std::abs(c.g - level) <= tolerance &&
               std::abs(c.b - level) <= tolerance;
    }

    // How many of the ring's centre-circle points, drawn at time t, show the ring's colour.
    int RingPointsShowing(const Picture& frame, double t, bool (*test)(Rgb), int* inView = nullptr) const
    {
        int showing = 0, seen = 0;
        for (int i = 0; i < 24; ++i) {
            if (auto at = Project(RingPoint(i * 2 * kPiD / 24, t))) {
                ++seen;
                if (test(snapshot::PixelAt(frame, at->first, at->second))) ++showing;
            }
        }
        if (inView) *inView = seen;
        return showing;
    }

    OffscreenGl gl{kWidth, kHeight};
    TempFile ringFile{"Zelvane1.alo"}, desktopFile{"Zelvane2.alo"};
    std::optional<Scene> scene{std::in_place};  // destroyed before the context
    bool initialised = false;
    std::array<double, 16> projection{};
};

TEST_F(SceneTest, CameraLooksAtTheRingCentreWithTheWindowsAspectRatio)
{
    Frame(0);
    const auto centre = Project({0, 0, 0});
    ASSERT_TRUE(centre);
    EXPECT_NEAR(centre->first, kWidth / 2, 1);
    EXPECT_NEAR(centre->second, kHeight / 2, 1);
    // Equal steps to the right and up, across the line of sight, cover equal pixels: the 4:3
    // client area's aspect ratio keeps circles round.
    const double upY = 4 / std::sqrt(20.0), upZ = -2 / std::sqrt(20.0);
    const auto right = Project({0.5, 0, 0}), up = Project({0, 0.5 * upY, 0.5 * upZ});
    ASSERT_TRUE(right && up);
    EXPECT_NEAR(right->first - centre->first, centre->second - up->second, 1.0);
    EXPECT_GT(right->first - centre->first, 20);
}

TEST_F(SceneTest, SetUpLeavesBlendingByAlphaOnBothSidesCullingAndDepth)
{
    Frame(0);
    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_SRC_ALPHA);  // not one minus alpha: the objects add up
    EXPECT_TRUE(glIsEnabled(GL_BLEND));
    EXPECT_TRUE(glIsEnabled(GL_CULL_FACE));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    for (GLuint list : {kRingListLevel0, kRingListLevel1, kMainRingList, kArcList}) EXPECT_TRUE(glIsList(list)) << list;
}

TEST_F(SceneTest, AtTimeZeroTheArcsWhiteEndSitsAtTheRingsCentre)
{
    const Picture frame = Frame(0);
    // The white end is at the centre of the view, in the ring's hole.
    int brightest = 0;
    for (int dy = -3; dy <= 3; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) {
            const Rgb c = snapshot::PixelAt(frame, kWidth / 2 + dx, kHeight / 2 + dy);
            if (IsGrey(c, c.r, 6)) brightest = std::max<int>(brightest, c.r);
        }
    }
    EXPECT_GE(brightest, 230);
    // A second later the black end passes there, and the centre is dark.
    const Picture later = Frame(1);
    EXPECT_LE(snapshot::PixelAt(later, kWidth / 2, kHeight / 2).r, 40);
}

TEST_F(SceneTest, ObjectsAreWhereTheMotionPutsThemAtTimes0And1)
{
    for (double t : {0.0, 1.0}) {
        const Picture frame = Frame(t);
        int inView = 0;
        const int yellow = RingPointsShowing(frame, t, IsYellow, &inView);
        EXPECT_EQ(inView, 24) << t;
        EXPECT_GE(yellow, 20) << "ring at t=" << t;  // a few may lie under the arc

        // Visible points of the arc's centre line show its grey, white at the start.
        int checked = 0, matching = 0;
        for (double phi = 0.05; phi < kPiD; phi += 0.05) {
            const auto at = Project(ArcPoint(phi, t));
            if (!at) continue;
            const Rgb c = snapshot::PixelAt(frame, at->first, at->second);
            if (c.b <= 30 && c.r >= 150) continue;  // under the ring's yellow
            ++checked;
            if (IsGrey(c, int(255 * (1 - phi / kPiD)), 40)) ++matching;
        }
        EXPECT_GE(checked, 4) << t;
        EXPECT_GE(matching, checked * 8 / 10) << "arc at t=" << t << ": " << matching << " of " << checked;
    }
    // The tumble has moved the ring between the two: the points of one time miss the other's ring.
    const Picture atZero = Frame(0);
    EXPECT_LE(RingPointsShowing(atZero, 1.0, IsYellow), 16);
}

TEST_F(SceneTest, ModelviewAfterAFrameIsTheArcsTransformUnderTheTumble)
{
    for (double t : {0.0, 0.25, 1.0, 3.7}) {
        GLint depthBefore = 0, depthAfter = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthBefore);
        Frame(t);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depthAfter);
        EXPECT_EQ(depthAfter, depthBefore);

        std::array<float, 16> m{};
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        // Points of the arc's unit half circle, through the matrix, land on the arc's path.
        for (double phi : {0.0, kPiD / 2, kPiD}) {
            const double x = -std::sin(phi), z = std::cos(phi);
            const Vec got{m[0] * x + m[8] * z + m[12], m[1] * x + m[9] * z + m[13], m[2] * x + m[10] * z + m[14]};
            const Vec want = ArcPoint(phi, t);
            EXPECT_NEAR(got.x, want.x, 1e-4) << t << " " << phi;
            EXPECT_NEAR(got.y, want.y, 1e-4) << t << " " << phi;
            EXPECT_NEAR(got.z, want.z, 1e-4) << t << " " << phi;
        }
    }
}

TEST_F(SceneTest, EightSecondsLaterTheFrameIsTheSame)
{
    const Picture start = Frame(0, tools::MakeSampleRingPicture(), tools::MakeDesktopPicture(640, 480));
    EXPECT_LE(testing::LargestDifference(Frame(8), start), 1);
    EXPECT_GT(testing::LargestDifference(Frame(4), start), 100);  // half-way it is not
    EXPECT_LE(testing::LargestDifference(Frame(8.0 * 24 * 3600 * 7), start), 1);  // nor after a week
}

TEST_F(SceneTest, MissingPicturesGiveAPlainYellowRingAndAWhiteToBlackTube)
{
    const Picture frame = Frame(1);
    auto plainYellow = [](Rgb c) {
        // 0.8 x yellow, or more where the far side shows through the near one.
        return c.b <= 2 && std::abs(c.r - c.g) <= 2 && c.r >= 200;
    };
    EXPECT_GE(RingPointsShowing(frame, 1, plainYellow), 20);
}

TEST_F(SceneTest, TheRingShowsItsPictureWithoutItsBlue)
{
    // A blue picture vanishes entirely; a red one stays red.
    {
        const Picture frame = Frame(1, testing::Filled(128, 128, {0, 0, 255}));
        auto black = [](Rgb c) { return c.r <= 4 && c.g <= 4 && c.b <= 4; };
        EXPECT_GE(RingPointsShowing(frame, 1, black), 20);
    }
    scene.emplace();  // a new run of the renderer with another ring picture
    initialised = false;
    const Picture frame = Frame(1, testing::Filled(128, 128, {255, 0, 0}));
    auto red = [](Rgb c) { return c.r >= 200 && c.g <= 4 && c.b <= 4; };
    EXPECT_GE(RingPointsShowing(frame, 1, red), 20);
}

TEST_F(SceneTest, TheDesktopRunsFromTheArcsWhiteEndToItsBlackEnd)
{
    // Left half red, right half green: red near the white end, green further along.
    Picture desktop = snapshot::MakePicture(64, 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 64; ++x) snapshot::SetPixel(desktop, x, y, x < 32 ? Rgb{255, 0, 0} : Rgb{0, 255, 0});
    }
    int red = 0, green = 0;
    for (double t : {0.0, 0.5, 1.0, 1.5}) {  // each time shows another part of the arc
        const Picture frame = Frame(t, std::nullopt, desktop);
        for (double phi = 0.05; phi < kPiD; phi += 0.05) {
            const auto at = Project(ArcPoint(phi, t));
            if (!at) continue;
            const Rgb c = snapshot::PixelAt(frame, at->first, at->second);
            if (phi < kPiD * 0.45 && c.r > 2 * c.g + 20 && c.b < 30) ++red;
            if (phi > kPiD * 0.55 && c.g > 2 * c.r + 20 && c.b < 30) ++green;
        }
    }
    EXPECT_GE(red, 3);
    EXPECT_GE(green, 3);
}

}  // namespace
}  // namespace wavorin::renderer
