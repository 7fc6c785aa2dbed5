// The clock: seconds from counter ticks, and rotations that stay smooth after a long run.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "renderer/SceneTime.h"

namespace wavorin::renderer {
namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;  // what Windows reports on most machines

TEST(SceneTime, SecondsFromCounterTicksAndAnglesWithinOneTurn)
{
    const std::int64_t longAgo = (std::int64_t{1} << 62) + 12345;  // beyond what a double holds exactly
    EXPECT_DOUBLE_EQ(SecondsElapsed(1000, 1000 + kTicksPerSecond / 4, kTicksPerSecond), 0.25);
    EXPECT_DOUBLE_EQ(SecondsElapsed(0, 3'579'545 * 3, 3'579'545), 3.0);
    EXPECT_DOUBLE_EQ(SecondsElapsed(longAgo, longAgo + 7 * kTicksPerSecond + 1, kTicksPerSecond), 7.0000001);
    EXPECT_DOUBLE_EQ(SecondsElapsed(5, 10, 0), 0.0);  // no counter: time stands still
    const struct {
        double t;
        float tumble, arc;
    } rows[] = {{0, 0, 0}, {0.5, 22.5f, 90}, {1, 45, 180}, {2, 90, 0}, {8, 0, 0}, {9, 45, 180}, {-1, 315, 180}};
    for (const auto& row : rows) {
        EXPECT_FLOAT_EQ(TumbleDegrees(row.t), row.tumble) << row.t;
        EXPECT_FLOAT_EQ(ArcTurnDegrees(row.t), row.arc) << row.t;
    }
}

// Frames at 60 per second after a week of running: every step turns by the same amount as in
// the first second. Time kept as a float of seconds would move in steps of 1/16 s here.
TEST(SceneTime, MotionAfterAWeekIsAsSmoothAsAtTheStart)
{
    const std::int64_t week = 7LL * 24 * 3600 * kTicksPerSecond, frame = kTicksPerSecond / 60;
    for (std::int64_t base : {std::int64_t{0}, week, 4 * week}) {
        for (int i = 0; i < 120; ++i) {
            const double a = SecondsElapsed(0, base + i * frame, kTicksPerSecond);
            const double b = SecondsElapsed(0, base + (i + 1) * frame, kTicksPerSecond);
            EXPECT_NEAR(std::fmod(TumbleDegrees(b) - TumbleDegrees(a) + 360.0, 360.0), 45.0 / 60, 1e-3) << base;
            EXPECT_NEAR(std::fmod(ArcTurnDegrees(b) - ArcTurnDegrees(a) + 360.0, 360.0), 180.0 / 60, 1e-3) << base;
        }
    }
}

}  // namespace
}  // namespace wavorin::renderer
