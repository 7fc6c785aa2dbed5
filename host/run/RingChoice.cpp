#include "host/run/RingChoice.h"

#include <random>

namespace wavorin::run {

std::int16_t ChooseRingPicture(std::uint32_t secondsSinceMidnight)
{
    std::mt19937 generator(secondsSinceMidnight);
    const double r = std::generate_canonical<double, 32>(generator);  // [0, 1)
    const int index = static_cast<int>(r * kRingPictureCount);
    return static_cast<std::int16_t>(index < kRingPictureCount ? index : kRingPictureCount - 1);
}

}  // namespace wavorin::run
