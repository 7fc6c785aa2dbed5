#include "host/assets/RingPictures.h"

#ifdef _WIN32
#include <windows.h>

#include "host/assets/Resources.h"
#endif

namespace wavorin::assets {

std::optional<snapshot::Picture> ToSnapshotPicture(const RgbPicture& picture)
{
    if (picture.width < 1 || picture.height < 1 || picture.width > snapshot::kMaxSide ||
        picture.height > snapshot::kMaxSide ||
        picture.rgb.size() != std::size_t(picture.width) * std::size_t(picture.height) * 3) {
        return std::nullopt;
    }
    snapshot::Picture result = snapshot::MakePicture(picture.width, picture.height);
    std::size_t i = 0;
    for (int y = 0; y < picture.height; ++y) {
        for (int x = 0; x < picture.width; ++x, i += 3) {
            snapshot::SetPixel(result, x, y, {picture.rgb[i], picture.rgb[i + 1], picture.rgb[i + 2]});
        }
    }
    return result;
}

#ifdef _WIN32
std::optional<snapshot::Picture> LoadRingPicture(int index)
{
    const HMODULE module = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(IDR_RING_FIRST + index), RT_RCDATA);
    if (!found) return std::nullopt;
    const HGLOBAL loaded = LoadResource(module, found);
    const auto* bytes = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
    if (!bytes) return std::nullopt;
    const auto decoded = DecodePicture({bytes, SizeofResource(module, found)});
    if (!decoded) return std::nullopt;
    return ToSnapshotPicture(*decoded);
}
#endif

}  // namespace wavorin::assets
