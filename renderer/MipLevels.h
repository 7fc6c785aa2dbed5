#pragma once
// A picture's mipmap chain, made on the CPU: each level half the one above it (sides rounded
// down, never below 1), each pixel the mean of the two by two pixels it covers. Built while
// the renderer's window and context come up, so that the context only has to copy.

#include <vector>

#include "common/snapshot/BmpFormat.h"

namespace wavorin::renderer {

// The level below `picture`, in the same row layout (bottom-up BGR rows padded to 4 bytes).
// Where the picture has an odd side, the last column or row is left out, as a side of 1 is
// kept: the level's pixel averages only the pixels that exist.
snapshot::Picture HalvedLevel(const snapshot::Picture& picture);

// Levels 1, 2, ... of `picture` down to 1 x 1; none for a 1 x 1 picture.
std::vector<snapshot::Picture> SmallerLevels(const snapshot::Picture& picture);

}  // namespace wavorin::renderer
