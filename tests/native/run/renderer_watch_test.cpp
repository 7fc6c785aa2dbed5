// The renderer watch that ends a screensaver run.

#include <gtest/gtest.h>

#include <vector>

#include "host/run/RendererWatch.h"

namespace wavorin::run {
namespace {

using namespace std::chrono_literals;

// Looks as the run window takes them every 500 ms, and the look at which the run ends.
TEST(RendererWatch, EndsTheRunOnlyWhenTheRendererIsGone)
{
    const struct {
        const char* name;
        std::vector<RendererLook> looks;  // window shown, process ended, time since the start
        std::size_t endingLook;  // past the last: the run goes on
    } rows[] = {
        // A slow load: the first tick was due long ago and comes right after the start.
        {"starting late", {{false, false, 5ms}, {false, false, 500ms}, {true, false, 1500ms}}, 3},
        {"closed with Esc", {{true, false, 900ms}, {true, false, 1400ms}, {false, false, 1900ms}}, 2},
        {"crashed before its window", {{false, false, 5ms}, {false, true, 500ms}}, 1},
        {"ended beside another one's window", {{true, false, 500ms}, {true, true, 1000ms}}, 1},
        {"no window within the grace time", {{false, false, 29'999ms}, {false, false, 30'000ms}}, 1},
    };
    for (const auto& row : rows) {
        RendererWatch watch;
        std::size_t ending = 0;
        while (ending < row.looks.size() && !watch.IsGone(row.looks[ending])) ++ending;
        EXPECT_EQ(ending, row.endingLook) << row.name;
    }
}

}  // namespace
}  // namespace wavorin::run
