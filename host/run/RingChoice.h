#pragma once
// Which of the five ring pictures a run wears.

#include <cstdint>

namespace wavorin::run {

inline constexpr int kRingPictureCount = 5;

// floor(r * 5) for one draw r in [0, 1) of a generator started from the time of day, so
// each picture has the same chance and runs in different seconds differ.
std::int16_t ChooseRingPicture(std::uint32_t secondsSinceMidnight);

}  // namespace wavorin::run
