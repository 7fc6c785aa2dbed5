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

TEST_F(SceneTest, SetUpLooksAtTheRingCentreAndBlendsCullsAndDepthTests)
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

    GLint source = 0, destination = 0;
    glGetIntegerv(GL_BLEND_SRC, &source);
    glGetIntegerv(GL_BLEND_DST, &destination);
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_SRC_ALPHA);  // not one minus alpha: the objects add up
    for (GLenum state : {GL_BLEND, GL_CULL_FACE, GL_DEPTH_TEST, GL_TEXTURE_2D}) EXPECT_TRUE(glIsEnabled(state)) << state;
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
            const auto grey = std::uint8_t(255 * (1 - phi / kPiD));
            matching += testing::Difference(c, Rgb{grey, grey, grey}) <= 40;
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
        GLint depth = 0;
        Frame(t);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        EXPECT_EQ(depth, 1);  // every push popped again
        std::array<float, 16> m{};
        glGetFloatv(GL_MODELVIEW_MATRIX, m.data());
        // Points of the arc's unit half circle, through the matrix, land on the arc's path.
        for (double phi : {0.0, kPiD / 2, kPiD}) {
            const double x = -std::sin(phi), z = std::cos(phi);
            const Vec want = ArcPoint(phi, t);
            EXPECT_NEAR(m[0] * x + m[8] * z + m[12], want.x, 1e-4) << t << " " << phi;
            EXPECT_NEAR(m[1] * x + m[9] * z + m[13], want.y, 1e-4) << t << " " << phi;
            EXPECT_NEAR(m[2] * x + m[10] * z + m[14], want.z, 1e-4) << t << " " << phi;
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

TEST_F(SceneTest, TheRingShowsItsPictureWithoutItsBlueOrPlainYellowWithoutOne)
{
    const struct {
        std::optional<Picture> picture;
        bool (*colour)(Rgb);
    } rows[] = {
        // 0.8 x yellow, or more where the far side shows through the near one.
        {std::nullopt, [](Rgb c) { return c.b <= 2 && std::abs(c.r - c.g) <= 2 && c.r >= 200; }},
        {testing::Filled(128, 128, {0, 0, 255}), [](Rgb c) { return c.r <= 4 && c.g <= 4 && c.b <= 4; }},
        {testing::Filled(128, 128, {255, 0, 0}), [](Rgb c) { return c.r >= 200 && c.g <= 4 && c.b <= 4; }},
    };
    for (const auto& row : rows) {
        scene.emplace();  // a new run of the renderer with another ring picture
        initialised = false;
        EXPECT_GE(RingPointsShowing(Frame(1, row.picture), 1, row.colour), 20) << (row.picture ? "picture" : "none");
    }
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
