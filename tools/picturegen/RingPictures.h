#pragma once
// The five surface pictures of the ring: seamless 128 x 128 textures.

#include <cstdint>
#include <vector>

namespace wavorin::tools {

inline constexpr int kRingPictureSide = 128;
inline constexpr int kRingPictureCount = 5;

// Picture `index` (0 flames, 1 rainbow bubbles, 2 clouds on a blue sky, 3 green, orange and
// violet mottling, 4 blue-violet cells) as rows of red, green, blue bytes, top row first.
std::vector<std::uint8_t> MakeRingPicture(int index);

}  // namespace wavorin::tools
