#pragma once
// Whether the renderer of a run is gone, from what the run window sees twice a second.

#include <chrono>

namespace wavorin::run {

struct RendererLook {
    bool windowShown = false;              // a top-level window with the renderer's title exists
    bool processEnded = false;             // its process has ended, or never started
    std::chrono::milliseconds sinceStart{};  // since its process was started
};

class RendererWatch {
public:
    // A large screen or a busy machine can keep the renderer from its window for seconds.
    static constexpr std::chrono::milliseconds kGraceTime{30'000};

    // True once the renderer is gone: its window was seen and has disappeared, its process
    // has ended, or it has shown no window within the grace time. A renderer still starting
    // up is not gone, however late the first look comes.
    bool IsGone(const RendererLook& look);

private:
    bool windowSeen_ = false;
};

}  // namespace wavorin::run
