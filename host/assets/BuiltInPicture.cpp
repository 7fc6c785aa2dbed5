#include "host/assets/BuiltInPicture.h"

#include <limits>
#include <memory>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#include <stb_image.h>

namespace wavorin::assets {

std::optional<RgbPicture> DecodePicture(std::span<const std::uint8_t> encoded)
{
    if (encoded.empty() || encoded.size() > std::size_t(std::numeric_limits<int>::max())) return std::nullopt;
    int width = 0, height = 0, channels = 0;
    const std::unique_ptr<stbi_uc, decltype(&stbi_image_free)> pixels(
        stbi_load_from_memory(encoded.data(), int(encoded.size()), &width, &height, &channels, 3), &stbi_image_free);
    if (!pixels) return std::nullopt;
    const std::size_t size = std::size_t(width) * std::size_t(height) * 3;
    return RgbPicture{width, height, std::vector<std::uint8_t>(pixels.get(), pixels.get() + size)};
}

}  // namespace wavorin::assets
