#pragma once
// The snapshot file: a Windows BMP of the one kind the system writes and reads, 24 bits per
// pixel, uncompressed, a 40-byte info header, no palette, rows bottom-up and padded to 4 bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace wavorin::snapshot {

inline constexpr std::uint16_t kSignature = 0x4D42;  // "BM", little-endian
inline constexpr std::size_t kFileHeaderSize = 14;
inline constexpr std::size_t kInfoHeaderSize = 40;
inline constexpr std::size_t kPixelDataOffset = kFileHeaderSize + kInfoHeaderSize;
inline constexpr std::uint16_t kBitsPerPixel = 24;
inline constexpr std::uint32_t kUncompressed = 0;  // BI_RGB

// Field offsets inside the header block that follows the file header.
inline constexpr std::size_t kWidthField = 4;
inline constexpr std::size_t kHeightField = 8;
inline constexpr std::size_t kBitsField = 14;
inline constexpr std::size_t kCompressionField = 16;
inline constexpr std::size_t kImageSizeField = 20;
inline constexpr std::size_t kFieldsNeeded = 24;  // the reader looks at nothing beyond this

// Limits that keep a hostile header from asking for absurd allocations. The largest side
// covers any real screen; the byte limit still fits a 32-bit process.
inline constexpr std::int32_t kMaxSide = 16384;
inline constexpr std::uint64_t kMaxPixelBytes = 512ull << 20;

// One picture as the file stores it: `pixels` holds `height` rows of `width` pixels, bottom
// row first, each pixel blue, green, red, each row padded with zeros to a multiple of 4 bytes.
struct Picture {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::vector<std::uint8_t> pixels;
};

// Pixel bytes laid out as a picture's, held elsewhere (a screen capture's own buffer).
struct PixelRows {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::span<const std::uint8_t> bytes;
};

inline PixelRows RowsOf(const Picture& picture) { return {picture.width, picture.height, picture.pixels}; }

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// Bytes per stored row at 24 bits per pixel; nothing for a width outside 0..kMaxSide.
std::optional<std::size_t> RowStride(std::int32_t width);

// A black picture of the given size; both sides must lie in 1..kMaxSide.
Picture MakePicture(std::int32_t width, std::int32_t height);

// Pixel access with y counted from the top row, as a person looks at the picture.
Rgb PixelAt(const Picture& picture, std::int32_t x, std::int32_t yFromTop);
void SetPixel(Picture& picture, std::int32_t x, std::int32_t yFromTop, Rgb colour);

}  // namespace wavorin::snapshot
