#pragma once
// A disk that fills up part-way, for the code that writes files: a file size limit stands in
// for it, so a write past the limit answers EFBIG (SIGXFSZ ignored) instead of ending the test.

#include <sys/resource.h>

#include <csignal>
#include <utility>

namespace wavorin::testing_support {

// Runs `write` while files cannot grow past `limitBytes`; returns what it returned.
template <typename Write>
auto WhileDiskFillsUpAt(rlim_t limitBytes, Write&& write)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit previous = limit;
    limit.rlim_cur = limitBytes;
    setrlimit(RLIMIT_FSIZE, &limit);
    auto result = std::forward<Write>(write)();
    setrlimit(RLIMIT_FSIZE, &previous);
    return result;
}

}  // namespace wavorin::testing_support
