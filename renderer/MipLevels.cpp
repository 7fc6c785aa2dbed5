#include "renderer/MipLevels.h"

#include <cstdint>

namespace wavorin::renderer {

snapshot::Picture HalvedLevel(const snapshot::Picture& picture)
{
    const std::int32_t width = picture.width > 1 ? picture.width / 2 : 1;
    const std::int32_t height = picture.height > 1 ? picture.height / 2 : 1;
    snapshot::Picture level = snapshot::MakePicture(width, height);
    const std::size_t sourceStride = *snapshot::RowStride(picture.width);
    const std::size_t levelStride = *snapshot::RowStride(width);
    // Each side either halves (two source pixels) or stays 1 (one source pixel).
    const int across = picture.width > 1 ? 2 : 1;
    const int down = picture.height > 1 ? 2 : 1;

    for (std::int32_t y = 0; y < height; ++y) {
        const std::uint8_t* rows[2] = {&picture.pixels[std::size_t(y * down) * sourceStride],
                                       &picture.pixels[std::size_t(y * down + down - 1) * sourceStride]};
        std::uint8_t* out = &level.pixels[std::size_t(y) * levelStride];
        for (std::int32_t x = 0; x < width; ++x) {
            const std::size_t left = std::size_t(x * across) * 3, right = std::size_t(x * across + across - 1) * 3;
            for (int channel = 0; channel < 3; ++channel) {
                unsigned sum = rows[0][left + channel] + rows[0][right + channel];
                sum += rows[1][left + channel] + rows[1][right + channel];
                // Always four samples: a side of 1 counts its one pixel twice.
                out[std::size_t(x) * 3 + channel] = static_cast<std::uint8_t>((sum + 2) / 4);
            }
        }
    }
    return level;
}

std::vector<snapshot::Picture> SmallerLevels(const snapshot::Picture& picture)
{
    std::vector<snapshot::Picture> levels;
    const snapshot::Picture* above = &picture;
    while (above->width > 1 || above->height > 1) {
        levels.push_back(HalvedLevel(*above));
        above = &levels.back();
    }
    return levels;
}

}  // namespace wavorin::renderer
