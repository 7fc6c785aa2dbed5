#include "renderer/FramePacer.h"

namespace wavorin::renderer {

namespace {

// Rounded up: never more frames than the monitor shows.
std::int64_t TicksPerFrame(int refreshHz, std::int64_t counterFrequency)
{
    const std::int64_t hz = refreshHz > 1 ? refreshHz : kFallbackRefreshHz;
    return counterFrequency > 0 ? (counterFrequency + hz - 1) / hz : 0;
}

}  // namespace

FramePacer::FramePacer(int refreshHz, std::int64_t counterFrequency)
    : period_(TicksPerFrame(refreshHz, counterFrequency)), counterFrequency_(counterFrequency > 0 ? counterFrequency : 1)
{
}

void FramePacer::FrameStarted(std::int64_t now)
{
    const bool onSchedule = started_ && now - nextDue_ < period_;
    nextDue_ = (onSchedule ? nextDue_ : now) + period_;
    started_ = true;
}

std::uint32_t FramePacer::MillisecondsToNextFrame(std::int64_t now) const
{
    if (!started_ || now >= nextDue_) return 0;
    const std::int64_t ticks = nextDue_ - now;
    return static_cast<std::uint32_t>((ticks * 1000 + counterFrequency_ - 1) / counterFrequency_);
}

}  // namespace wavorin::renderer
