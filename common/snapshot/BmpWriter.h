#pragma once
// Writes pictures as snapshot files, exactly the kind the reader accepts.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <vector>

#include "common/snapshot/BmpFormat.h"

namespace wavorin::snapshot {

// The 54 bytes before the pixels: file header and 40-byte info header, image size filled in.
// Nothing for a picture whose sides lie outside 1..kMaxSide or whose pixel bytes do not
// match its size.
std::optional<std::array<std::uint8_t, kPixelDataOffset>> EncodeHeaders(const PixelRows& rows);

// The whole file in memory.
std::optional<std::vector<std::uint8_t>> EncodeBmp(const Picture& picture);

// Writes the file, replacing what was there. False when the picture is not valid or the
// file cannot be written completely; a file cut off part-way is removed.
bool WriteBmpFile(const std::filesystem::path& path, const PixelRows& rows);
inline bool WriteBmpFile(const std::filesystem::path& path, const Picture& picture)
{
    return WriteBmpFile(path, RowsOf(picture));
}

}  // namespace wavorin::snapshot
