#pragma once
// The animation's clock. Time stays in double precision and each rotation is reduced to one
// turn before it becomes a float for GL, so a run of weeks moves as smoothly as its first second.

#include <cstdint>

namespace wavorin::renderer {

// Seconds from `startCount` to `count` of a counter ticking `frequency` times a second.
double SecondsElapsed(std::int64_t startCount, std::int64_t count, std::int64_t frequency);

// The whole scene's tumble about (1, 0.5, 0): 45 degrees a second, in [0, 360).
float TumbleDegrees(double sceneTime);

// The arc's turn about the x axis: 180 degrees a second, one turn every two seconds, in [0, 360).
float ArcTurnDegrees(double sceneTime);

}  // namespace wavorin::renderer
