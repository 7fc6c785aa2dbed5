#pragma once
// Reads a snapshot file. Every byte is treated as hostile: sizes are checked before they are
// multiplied or allocated, and nothing is used that was not actually read.

#include <cstdint>
#include <filesystem>
#include <istream>

#include "common/snapshot/BmpFormat.h"

namespace wavorin::snapshot {

enum class ReadStatus {
    Loaded,              // a picture with pixels
    Empty,               // a well-formed file whose width is 0 or less, or whose height is 0
    CannotOpen,
    ShortFileHeader,     // fewer than 14 bytes
    NotBmp,              // the signature is not "BM"
    HeaderBlockTooSmall, // pixel-data offset below 38: no room for the fields read
    ShortHeaderBlock,    // the file ends inside the header block
    Unsupported,         // not 24 bits per pixel, compressed, or rows stored top-down
    TooLarge,            // a side above kMaxSide, or more pixel bytes than kMaxPixelBytes
    ShortPixelData,      // fewer pixel bytes than the rows need, declared or present
};

struct ReadResult {
    ReadStatus status = ReadStatus::CannotOpen;
    // The header's size, as soon as the header block has been read.
    std::int32_t width = 0;
    std::int32_t height = 0;
    Picture picture;  // filled when status is Loaded
};

ReadResult ReadBmp(std::istream& in);
ReadResult ReadBmpFile(const std::filesystem::path& path);

}  // namespace wavorin::snapshot
