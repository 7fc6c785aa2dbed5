#include "common/snapshot/BmpFormat.h"

#include <cassert>

namespace wavorin::snapshot {
namespace {

std::size_t OffsetOf(const Picture& picture, std::int32_t x, std::int32_t yFromTop)
{
    assert(x >= 0 && x < picture.width && yFromTop >= 0 && yFromTop < picture.height);
    const std::size_t row = static_cast<std::size_t>(picture.height - 1 - yFromTop);
    return row * *RowStride(picture.width) + static_cast<std::size_t>(x) * 3;
}

}  // namespace

std::optional<std::size_t> RowStride(std::int32_t width)
{
    if (width < 0 || width > kMaxSide) return std::nullopt;
    return (static_cast<std::size_t>(width) * kBitsPerPixel + 31) / 32 * 4;
}

Picture MakePicture(std::int32_t width, std::int32_t height)
{
    assert(width > 0 && width <= kMaxSide && height > 0 && height <= kMaxSide);
    Picture picture;
    picture.width = width;
    picture.height = height;
    picture.pixels.assign(*RowStride(width) * static_cast<std::size_t>(height), 0);
    return picture;
}

Rgb PixelAt(const Picture& picture, std::int32_t x, std::int32_t yFromTop)
{
    const std::uint8_t* p = picture.pixels.data() + OffsetOf(picture, x, yFromTop);
    return {p[2], p[1], p[0]};
}

void SetPixel(Picture& picture, std::int32_t x, std::int32_t yFromTop, Rgb colour)
{
    std::uint8_t* p = picture.pixels.data() + OffsetOf(picture, x, yFromTop);
    p[0] = colour.b;
    p[1] = colour.g;
    p[2] = colour.r;
}

}  // namespace wavorin::snapshot
