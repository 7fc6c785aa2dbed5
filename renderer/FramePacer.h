#pragma once
// When the next frame is due: no sooner than the display can show it. A driver that waits
// for the vertical blank paces the frames itself; where a swap returns at once (no vertical
// sync, a display asleep) the frames keep to the monitor's refresh rate instead of drawing as
// fast as the machine can. Only the drawing is paced: the scene's time base stays the counter.

#include <cstdint>

namespace wavorin::renderer {

// What a monitor that reports no refresh rate (0 or 1, "the hardware's default") is taken to show.
inline constexpr int kFallbackRefreshHz = 60;

class FramePacer {
public:
    FramePacer() = default;
    // `refreshHz` as the platform reports it; `counterFrequency`, ticks per second of the counter.
    FramePacer(int refreshHz, std::int64_t counterFrequency);

    // A frame is drawn from `now` (counter ticks). Frames keep to one schedule, so waking a
    // little late costs no frames; a frame late by a whole period or more starts a new one
    // rather than drawing the missed frames back to back.
    void FrameStarted(std::int64_t now);

    // Whole milliseconds to wait from `now` before the next frame is due (rounded up, so a
    // wait never ends before it); 0: due now.
    std::uint32_t MillisecondsToNextFrame(std::int64_t now) const;

private:
    std::int64_t period_ = 0;  // counter ticks per frame; 0: no pacing
    std::int64_t counterFrequency_ = 1;
    std::int64_t nextDue_ = 0;
    bool started_ = false;
};

}  // namespace wavorin::renderer
