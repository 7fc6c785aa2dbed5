#include "host/run/RingChoice.h"

#include <algorithm>
#include <random>

namespace wavorin::run {

std::int16_t ChooseRingPicture(std::uint32_t secondsSinceMidnight)
{
    std::mt19937 generator(secondsSinceMidnight);
    const double r = std::generate_canonical<double, 32>(generator);  // [0, 1)
    const int index = static_cast<int>(r * kRingPictureCount);
    return static_cast<std::int16_t>(std::min(index, kRingPictureCount - 1));  // should r round up to 1
}

}  // namespace wavorin::run
