// The ring and arc strips: their counts, shapes, texture mapping and which side faces out.

#include <gtest/gtest.h>

#include <cmath>

#include "renderer/SceneGeometry.h"

namespace wavorin::renderer {
namespace {

struct Vec {
    double x, y, z;
};
Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double Dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Vec Cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
Vec Position(const StripVertex& v) { return {v.x, v.y, v.z}; }

TEST(SceneGeometry, RingLevelsHaveTheirBandAndSegmentCounts)
{
    struct Level {
        int level, bands, verticesPerStrip;
    };
    for (const Level& expected : {Level{0, 4, 26}, Level{1, 7, 54}, Level{2, 10, 82}}) {
        const Strips strips = RingStrips(expected.level);
        ASSERT_EQ(int(strips.size()), expected.bands) << "level " << expected.level;
        for (const Strip& strip : strips) EXPECT_EQ(int(strip.size()), expected.verticesPerStrip) << expected.level;
    }
}

TEST(SceneGeometry, ArcHasTenStripsOf42Vertices)
{
    const Strips strips = ArcStrips();
    ASSERT_EQ(strips.size(), 10u);
    for (const Strip& strip : strips) EXPECT_EQ(strip.size(), 42u);
}

TEST(SceneGeometry, RingIsAClosedTorusOfRadius1And02)
{
    for (int level : {0, 1, 2}) {
        const Strips strips = RingStrips(level);
        for (const Strip& strip : strips) {
            for (const StripVertex& v : strip) {
                const double fromAxis = std::hypot(v.x, v.z);
                EXPECT_NEAR(std::hypot(fromAxis - 1.0, double(v.y)), 0.2, 1e-5);
            }
            // Around the ring it closes on itself: the last pair lies on the first.
            for (int k = 0; k < 2; ++k) {
                const Vec first = Position(strip[k]), last = Position(strip[strip.size() - 2 + k]);
                EXPECT_NEAR(std::sqrt(Dot(first - last, first - last)), 0.0, 1e-5);
            }
        }
        // Around the tube the bands close too: the last band ends where the first began.
        EXPECT_NEAR(strips.back()[1].y, strips.front()[0].y, 1e-5);
        EXPECT_NEAR(strips.back()[1].z, strips.front()[0].z, 1e-5);
    }
}

TEST(SceneGeometry, RingRepeatsItsPictureTwiceAroundAndOnceAcross)
{
    const Strips strips = RingStrips(2);
    EXPECT_FLOAT_EQ(strips.front().front().s, 0.0f);
    EXPECT_NEAR(strips.front().back().s, 2.0f, 1e-5);
    EXPECT_FLOAT_EQ(strips.front().front().t, 0.0f);
    EXPECT_NEAR(strips.back().back().t, 1.0f, 1e-5);
}

// GL draws quad k of a strip as vertices 2k, 2k+1, 2k+3, 2k+2; counter-clockwise seen from
// outside means the normal of that order points away from the tube's centre line.
template <typename CentreOf>
void ExpectOutsideFacesFront(const Strips& strips, CentreOf centreOf, const char* what)
{
    int outward = 0, inward = 0;
    for (const Strip& strip : strips) {
        for (std::size_t k = 0; k + 3 < strip.size(); k += 2) {
            const Vec a = Position(strip[k]), b = Position(strip[k + 1]), c = Position(strip[k + 3]);
            const Vec normal = Cross(b - a, c - a);
            const Vec out = a - centreOf(strip[k], k / 2);
            (Dot(normal, out) > 0 ? outward : inward) += 1;
        }
    }
    EXPECT_EQ(inward, 0) << what;
    EXPECT_GT(outward, 0) << what;
}

TEST(SceneGeometry, OutsideOfBothObjectsFacesFront)
{
    ExpectOutsideFacesFront(
        RingStrips(2),
        [](const StripVertex& v, std::size_t) {
            const double r = std::hypot(v.x, v.z);
            return Vec{v.x / r, 0, v.z / r};
        },
        "ring");
    ExpectOutsideFacesFront(
        ArcStrips(),
        [](const StripVertex&, std::size_t pair) {
            const double phi = double(pair) * 3.14159265358979 / 20;
            return Vec{-std::sin(phi), 0, std::cos(phi)};
        },
        "arc");
}

TEST(SceneGeometry, ArcRunsWhiteToBlackAlongAHalfCircle)
{
    const Strips arc = ArcStrips();
    const Strip& strip = arc.front();
    EXPECT_NEAR(ArcTubeRadius(0.0f), 0.0162, 1e-4);
    EXPECT_NEAR(ArcTubeRadius(kPi), 0.0128, 1e-4);
    EXPECT_NEAR(ArcTubeRadius(0.640f), 0.1, 1e-4);
    for (float phi = 0; phi <= kPi; phi += 0.01f) {
        EXPECT_GT(ArcTubeRadius(phi), 0.0f);
        EXPECT_LE(ArcTubeRadius(phi), 0.1f + 1e-6f);
    }
    // θ = 0: the vertex sits w outside the centre line, in the x-z plane.
    const StripVertex& start = strip.front();
    const StripVertex& end = strip[strip.size() - 2];
    EXPECT_NEAR(start.x, 0.0, 1e-6);
    EXPECT_NEAR(start.z, 1.0 + ArcTubeRadius(0), 1e-5);
    EXPECT_NEAR(end.x, 0.0, 1e-5);
    EXPECT_NEAR(end.z, -(1.0 + ArcTubeRadius(kPi)), 1e-4);
    const StripVertex& middle = strip[20];
    EXPECT_NEAR(middle.x, -(1.0 + ArcTubeRadius(kPi / 2)), 1e-4);
    EXPECT_NEAR(middle.z, 0.0, 1e-5);

    EXPECT_FLOAT_EQ(start.grey, 1.0f);
    EXPECT_NEAR(end.grey, 0.0f, 1e-5);
    EXPECT_NEAR(middle.grey, 0.5f, 1e-5);
    EXPECT_FLOAT_EQ(start.s, 0.0f);  // the picture's left edge at the white end
    EXPECT_NEAR(end.s, 1.0f, 1e-5);
    for (std::size_t i = 2; i < strip.size(); i += 2) EXPECT_LT(strip[i].grey, strip[i - 2].grey);
}

}  // namespace
}  // namespace wavorin::renderer
