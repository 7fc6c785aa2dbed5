#include "host/run/RendererWatch.h"

namespace wavorin::run {

bool RendererWatch::IsGone(const RendererLook& look)
{
    if (look.windowShown) {
        windowSeen_ = true;
        return look.processEnded;
    }
    return windowSeen_ || look.processEnded || look.sinceStart >= kGraceTime;
}

}  // namespace wavorin::run
