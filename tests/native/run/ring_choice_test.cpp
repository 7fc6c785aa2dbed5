// Which built-in ring picture a run shows, by the second of the day it starts at.

#include <gtest/gtest.h>

#include "host/run/RingChoice.h"

namespace wavorin::run {
namespace {

// The expected pictures come from the first output of the standard Mersenne twister initialised with
// the second (MT19937 as published, worked through apart from the code under test: 2357136044
// for 0, 1791095845 for 1, 3499211612 for 5489), scaled to five pictures.
TEST(RingChoice, TheSecondOfTheDayStartsTheTwisterWhoseFirstNumberPicksOneOfFive)
{
    const std::pair<std::uint32_t, std::int16_t> rows[] = {{0, 2}, {1, 2}, {4, 4}, {5, 1}, {7, 0},
                                                           {10, 3}, {5489, 4}, {43199, 0}, {86399, 0}};
    for (const auto& [second, picture] : rows) EXPECT_EQ(ChooseRingPicture(second), picture) << second;
}

}  // namespace
}  // namespace wavorin::run
