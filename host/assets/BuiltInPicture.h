#pragma once
// Decoding of the pictures built into the host (stored as JPEG).

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace wavorin::assets {

struct RgbPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;  // red, green, blue per pixel, top row first, no padding
};

// Nothing when the bytes are not a picture the decoder understands.
std::optional<RgbPicture> DecodePicture(std::span<const std::uint8_t> encoded);

}  // namespace wavorin::assets
