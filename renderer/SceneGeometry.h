#pragma once
// The scene's two objects as quad strips: the ring (a torus about the y axis) at three levels
// of detail, and the arc (a tube of varying thickness along a half circle, white to black).
// Pure data, computed once; the display lists are compiled from it.

#include <vector>

namespace wavorin::renderer {

struct StripVertex {
    float s = 0, t = 0;  // texture coordinate
    float grey = 1;      // vertex colour (the arc's only)
    float x = 0, y = 0, z = 0;
};

using Strip = std::vector<StripVertex>;  // one GL_QUAD_STRIP
using Strips = std::vector<Strip>;

inline constexpr float kPi = 3.14159265358979f;

// The ring at level of detail 0, 1 or 2: centre-line radius 1, tube radius 0.2, in the
// x-z plane; the picture repeats twice around the ring and once around the tube.
Strips RingStrips(int level);

// The arc: a half circle of radius 1 from (0, 0, 1) through (-1, 0, 0) to (0, 0, -1), white
// at its start and black at its end, the picture stretched once along it.
Strips ArcStrips();

// The arc's tube radius at angle `phi` (0..pi) along it.
float ArcTubeRadius(float phi);

}  // namespace wavorin::renderer
