#pragma once
// A snapshot file read and its smaller mipmap levels made, ready for a texture: everything a
// texture needs that does not need the context, so it can be done on another thread while the
// window and its context come up.

#include <vector>

#include "common/snapshot/BmpReader.h"

namespace wavorin::renderer {

struct PreparedPicture {
    snapshot::ReadResult file;                     // status, size and, when loaded, level 0
    std::vector<snapshot::Picture> smallerLevels;  // levels 1, 2, ... down to 1 x 1
};

// Reads the file and, when it holds a picture, makes its smaller levels. `name` labels the
// steps in the start-up trace.
PreparedPicture PreparePicture(const char* path, const char* name);

}  // namespace wavorin::renderer
