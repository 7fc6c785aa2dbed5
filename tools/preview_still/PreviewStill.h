#pragma once
// The still picture of the host's preview pane: the scene rendered offscreen from the
// sample desktop and the built-in flames ring picture, drawn large and scaled down for
// smooth edges.

#include "common/snapshot/BmpFormat.h"

namespace wavorin::tools {

inline constexpr int kPreviewWidth = 152;
inline constexpr int kPreviewHeight = 112;
inline constexpr double kPreviewSceneTime = 6.3;  // ring tilted, the arc passing through its hole

// Nothing drawn (all black) if no offscreen context can be made.
snapshot::Picture RenderPreviewStill(double sceneTime = kPreviewSceneTime);

// Each output pixel the mean of a factor x factor block.
snapshot::Picture ScaleDown(const snapshot::Picture& picture, int factor);

}  // namespace wavorin::tools
