#include "renderer/SceneTime.h"

#include <cmath>

namespace wavorin::renderer {
namespace {

float DegreesWithinOneTurn(double degreesPerSecond, double seconds)
{
    double degrees = std::fmod(degreesPerSecond * seconds, 360.0);
    if (degrees < 0) degrees += 360.0;
    const auto reduced = static_cast<float>(degrees);
    return reduced < 360.0f ? reduced : 0.0f;  // a value just below 360 may round up to it
}

}  // namespace

double SecondsElapsed(std::int64_t startCount, std::int64_t count, std::int64_t frequency)
{
    if (frequency <= 0) return 0.0;
    // Whole seconds and the remainder apart, so tick counts beyond 2^53 lose nothing.
    const auto ticks = static_cast<std::int64_t>(static_cast<std::uint64_t>(count) - static_cast<std::uint64_t>(startCount));
    const std::int64_t whole = ticks / frequency;
    const std::int64_t rest = ticks % frequency;
    return static_cast<double>(whole) + static_cast<double>(rest) / static_cast<double>(frequency);
}

float TumbleDegrees(double sceneTime) { return DegreesWithinOneTurn(45.0, sceneTime); }

float ArcTurnDegrees(double sceneTime) { return DegreesWithinOneTurn(180.0, sceneTime); }

}  // namespace wavorin::renderer
