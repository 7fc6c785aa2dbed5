#include "host/run/RendererWatch.h"

namespace wavorin::host {

bool RendererWatch::IsGone(const RendererLook& look)
{
    if (look.windowShown) {
        windowSeen_ = true;
        return look.processEnded;
    }
    return windowSeen_ || look.processEnded || look.sinceStart >= kGraceTime;
}

}  // namespace wavorin::host
