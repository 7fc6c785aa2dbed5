#include "common/trace/StartupTrace.h"

#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace wavorin::trace {
namespace {

const std::string& TraceFile()
{
    static const std::string file = [] {
        const char* named = std::getenv("WAVORIN_STARTUP_TRACE");
        return std::string(named ? named : "");
    }();
    return file;
}

}  // namespace

void MarkStartupStep(const char* program, const char* step)
{
    if (TraceFile().empty()) return;
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    const auto micros = static_cast<std::int64_t>(std::chrono::duration_cast<std::chrono::microseconds>(now).count());
    // Appending: the host's and the renderer's lines interleave whole.
    if (std::FILE* out = std::fopen(TraceFile().c_str(), "a")) {
        std::fprintf(out, "%" PRId64 " %s %s\n", micros, program, step);
        std::fclose(out);
    }
}

}  // namespace wavorin::trace
