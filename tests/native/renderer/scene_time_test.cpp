// The clock: seconds from counter ticks, and rotations that stay smooth after a long run.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "renderer/SceneTime.h"

namespace wavorin::renderer {
namespace {

constexpr std::int64_t kTicksPerSecond = 10'000'000;  // what Windows reports on most machines

TEST(SceneTime, SecondsFromCounterTicks)
{
    EXPECT_DOUBLE_EQ(SecondsElapsed(1000, 1000, kTicksPerSecond), 0.0);
    EXPECT_DOUBLE_EQ(SecondsElapsed(1000, 1000 + kTicksPerSecond / 4, kTicksPerSecond), 0.25);
    EXPECT_DOUBLE_EQ(SecondsElapsed(0, 3'579'545 * 3, 3'579'545), 3.0);
    // A counter started long ago (beyond what a double holds exactly) loses nothing.
    const std::int64_t start = (std::int64_t{1} << 62) + 12345;
    EXPECT_DOUBLE_EQ(SecondsElapsed(start, start + 7 * kTicksPerSecond + 1, kTicksPerSecond), 7.0000001);
    EXPECT_DOUBLE_EQ(SecondsElapsed(5, 10, 0), 0.0);  // no counter: time stands still
}

TEST(SceneTime, AnglesWithinOneTurn)
{
    EXPECT_FLOAT_EQ(TumbleDegrees(0), 0.0f);
    EXPECT_FLOAT_EQ(TumbleDegrees(1), 45.0f);
    EXPECT_FLOAT_EQ(TumbleDegrees(8), 0.0f);  // a whole turn
    EXPECT_FLOAT_EQ(TumbleDegrees(9), 45.0f);
    EXPECT_FLOAT_EQ(ArcTurnDegrees(0.5), 90.0f);
    EXPECT_FLOAT_EQ(ArcTurnDegrees(1), 180.0f);
    EXPECT_FLOAT_EQ(ArcTurnDegrees(2), 0.0f);
    EXPECT_FLOAT_EQ(ArcTurnDegrees(8), 0.0f);
    for (double t = 0; t < 100; t += 0.37) {
        EXPECT_GE(TumbleDegrees(t), 0.0f);
        EXPECT_LT(TumbleDegrees(t), 360.0f);
        EXPECT_GE(ArcTurnDegrees(t), 0.0f);
        EXPECT_LT(ArcTurnDegrees(t), 360.0f);
    }
}

// Frames at 60 per second after a week of running: every step turns by the same amount as in
// the first second. Time kept as a float of seconds would move in steps of 1/16 s here.
TEST(SceneTime, MotionAfterAWeekIsAsSmoothAsAtTheStart)
{
    const std::int64_t week = 7LL * 24 * 3600 * kTicksPerSecond;
    const std::int64_t frame = kTicksPerSecond / 60;
    for (std::int64_t base : {std::int64_t{0}, week, 4 * week}) {
        for (int i = 0; i < 120; ++i) {
            const double a = SecondsElapsed(0, base + i * frame, kTicksPerSecond);
            const double b = SecondsElapsed(0, base + (i + 1) * frame, kTicksPerSecond);
            const double tumbleStep = std::fmod(TumbleDegrees(b) - TumbleDegrees(a) + 360.0, 360.0);
            const double arcStep = std::fmod(ArcTurnDegrees(b) - ArcTurnDegrees(a) + 360.0, 360.0);
            EXPECT_NEAR(tumbleStep, 45.0 / 60, 1e-3) << "at tick " << base;
            EXPECT_NEAR(arcStep, 180.0 / 60, 1e-3) << "at tick " << base;
        }
    }
}

}  // namespace
}  // namespace wavorin::renderer
