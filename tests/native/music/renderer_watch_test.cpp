// The run's renderer watch: looks as the run window takes them every 500 ms, and the look
// at which the run ends.

#include <gtest/gtest.h>

#include <vector>

#include "host/run/RendererWatch.h"

namespace wavorin::host {
namespace {

using namespace std::chrono_literals;

TEST(RendererWatch, EndsTheRunOnlyWhenTheRendererIsGone)
{
    struct Look {
        std::chrono::milliseconds sinceStart;
        bool window, ended;
    };
    struct Row {
        const char* name;
        std::vector<Look> looks;
        int endingLook;  // -1: the run goes on
    };
    const Row rows[] = {
        // A slow load: the first tick was due long ago and comes right after the start.
        {"starting late", {{5ms, false, false}, {500ms, false, false}, {1500ms, true, false}}, -1},
        {"closed with Esc", {{900ms, true, false}, {1400ms, true, false}, {1900ms, false, false}}, 2},
        {"crashed before its window", {{5ms, false, false}, {500ms, false, true}}, 1},
        {"never started", {{0ms, false, true}}, 0},
        {"ended beside another one's window", {{500ms, true, false}, {1000ms, true, true}}, 1},
        {"no window within the grace time", {{29'999ms, false, false}, {30'000ms, false, false}}, 1},
    };
    for (const Row& row : rows) {
        RendererWatch watch;
        int ending = -1;
        for (int at = 0; at < int(row.looks.size()) && ending < 0; ++at) {
            const Look& look = row.looks[std::size_t(at)];
            if (watch.IsGone({look.window, look.ended, look.sinceStart})) ending = at;
        }
        EXPECT_EQ(ending, row.endingLook) << row.name;
    }
}

}  // namespace
}  // namespace wavorin::host
