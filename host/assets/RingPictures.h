#pragma once
// The five built-in ring pictures as snapshot pictures.

#include <optional>

#include "common/snapshot/BmpFormat.h"
#include "host/assets/BuiltInPicture.h"

namespace wavorin::assets {

// The decoded picture in the snapshot file's layout.
std::optional<snapshot::Picture> ToSnapshotPicture(const RgbPicture& picture);

#ifdef _WIN32
// Ring picture `index` (0..4) from this program's resources.
std::optional<snapshot::Picture> LoadRingPicture(int index);
#endif

}  // namespace wavorin::assets
