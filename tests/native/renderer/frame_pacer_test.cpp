// Frames no sooner than the monitor refreshes: waits worked out by hand for a counter of
// 1000 ticks a second (1 tick = 1 ms) and of 3000.

#include <gtest/gtest.h>

#include <vector>

#include "renderer/FramePacer.h"

namespace wavorin::renderer {
namespace {

TEST(FramePacer, WaitsForTheNextRefreshKeepingOneSchedule)
{
    const struct {
        int refreshHz;
        std::int64_t frequency;
        std::vector<std::int64_t> framesAt;  // frames started at these counts
        std::int64_t now;
        std::uint32_t waitMs;
    } rows[] = {
        {50, 1000, {}, 0, 0},               // no frame yet: due at once
        {50, 1000, {100}, 105, 15},         // 20 ms apart
        {50, 1000, {100}, 125, 0},          // overdue: at once
        {50, 1000, {100, 123}, 130, 10},    // 3 ms late: the schedule stays (next at 140)
        {50, 1000, {100, 250}, 251, 19},    // stalled: a new schedule, no frames drawn back to back
        {0, 1000, {100}, 101, 16},          // no rate reported: 60 Hz, 17 ticks a frame
        {1, 1000, {100}, 101, 16},          // "the hardware's default": the same
        {2, 1000, {100}, 101, 499},         // the slowest rate a monitor can report
        {60, 3000, {0}, 1, 17},             // 49 ticks = 16.3 ms, rounded up
        {60, 1, {0}, 0, 1000},              // a counter of 1 tick a second: a whole tick
        {144, 1000, {0, 7}, 8, 6},          // 6.9 ms rounded up, never faster: next at 14
    };
    for (const auto& row : rows) {
        FramePacer pacer(row.refreshHz, row.frequency);
        for (const std::int64_t at : row.framesAt) pacer.FrameStarted(at);
        EXPECT_EQ(pacer.MillisecondsToNextFrame(row.now), row.waitMs) << row.refreshHz << " Hz, now " << row.now;
    }
}

}  // namespace
}  // namespace wavorin::renderer
