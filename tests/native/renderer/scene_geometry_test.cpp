// The ring and arc strips: their shapes, texture mapping and which side faces out.

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
double Distance(Vec a, Vec b) { return std::sqrt(Dot(a - b, a - b)); }

// GL draws quad k of a strip as vertices 2k, 2k+1, 2k+3, 2k+2; counter-clockwise seen from
// outside means the normal of that order points away from the tube's centre line.
template <typename CentreOf>
void ExpectOutsideFacesFront(const Strips& strips, CentreOf centreOf)
{
    int inward = 0;
    for (const Strip& strip : strips) {
        for (std::size_t k = 0; k + 3 < strip.size(); k += 2) {
            const Vec a = Position(strip[k]), b = Position(strip[k + 1]), c = Position(strip[k + 3]);
            inward += Dot(Cross(b - a, c - a), a - centreOf(strip[k], k / 2)) <= 0;
        }
    }
    EXPECT_EQ(inward, 0);
}

TEST(SceneGeometry, RingIsAClosedTorusOfRadius1And02WithItsPictureTwiceAround)
{
    for (auto [level, bands, vertices] : {std::tuple{0, 4, 26}, std::tuple{1, 7, 54}, std::tuple{2, 10, 82}}) {
        const Strips strips = RingStrips(level);
        ASSERT_EQ(int(strips.size()), bands) << level;
        for (const Strip& strip : strips) {
            ASSERT_EQ(int(strip.size()), vertices) << level;
            for (const StripVertex& v : strip) EXPECT_NEAR(std::hypot(std::hypot(v.x, v.z) - 1.0, double(v.y)), 0.2, 1e-5);
            // Around the ring it closes on itself: the last pair lies on the first.
            EXPECT_NEAR(Distance(Position(strip[0]), Position(strip[vertices - 2])), 0.0, 1e-5);
            EXPECT_NEAR(Distance(Position(strip[1]), Position(strip[vertices - 1])), 0.0, 1e-5);
        }
        // Around the tube the bands close too: the last band ends where the first began.
        EXPECT_NEAR(Distance(Position(strips.back()[1]), Position(strips.front()[0])), 0.0, 1e-5);
        EXPECT_FLOAT_EQ(strips.front().front().s, 0.0f);
        EXPECT_NEAR(strips.front().back().s, 2.0f, 1e-5);
        EXPECT_FLOAT_EQ(strips.front().front().t, 0.0f);
        EXPECT_NEAR(strips.back().back().t, 1.0f, 1e-5);
    }
    ExpectOutsideFacesFront(RingStrips(2), [](const StripVertex& v, std::size_t) {
        const double r = std::hypot(v.x, v.z);
        return Vec{v.x / r, 0, v.z / r};
    });
}

TEST(SceneGeometry, ArcRunsWhiteToBlackAlongAHalfCircleOutsideOut)
{
    const Strips arc = ArcStrips();
    ASSERT_EQ(arc.size(), 10u);
    for (const Strip& strip : arc) ASSERT_EQ(strip.size(), 42u);
    for (auto [phi, radius] : {std::pair{0.0f, 0.0162}, std::pair{kPi, 0.0128}, std::pair{0.640f, 0.1}}) {
        EXPECT_NEAR(ArcTubeRadius(phi), radius, 1e-4) << phi;
    }
    for (float phi = 0; phi <= kPi; phi += 0.01f) {
        EXPECT_GT(ArcTubeRadius(phi), 0.0f);
        EXPECT_LE(ArcTubeRadius(phi), 0.1f + 1e-6f);
    }
    // θ = 0: the vertex sits w outside the centre line, in the x-z plane; grey and s run along.
    const Strip& strip = arc.front();
    const struct {
        std::size_t vertex;
        float phi;
        Vec along;
        float grey, s;
    } rows[] = {{0, 0, {0, 0, 1}, 1, 0}, {20, kPi / 2, {-1, 0, 0}, 0.5f, 0.5f}, {40, kPi, {0, 0, -1}, 0, 1}};
    for (const auto& row : rows) {
        const StripVertex& v = strip[row.vertex];
        const double r = 1.0 + ArcTubeRadius(row.phi);
        EXPECT_NEAR(Distance(Position(v), {row.along.x * r, 0, row.along.z * r}), 0.0, 1e-4) << row.vertex;
        EXPECT_NEAR(v.grey, row.grey, 1e-5) << row.vertex;
        EXPECT_NEAR(v.s, row.s, 1e-5) << row.vertex;
    }
    for (std::size_t i = 2; i < strip.size(); i += 2) EXPECT_LT(strip[i].grey, strip[i - 2].grey);
    ExpectOutsideFacesFront(arc, [](const StripVertex&, std::size_t pair) {
        const double phi = double(pair) * 3.14159265358979 / 20;
        return Vec{-std::sin(phi), 0, std::cos(phi)};
    });
}

}  // namespace
}  // namespace wavorin::renderer
