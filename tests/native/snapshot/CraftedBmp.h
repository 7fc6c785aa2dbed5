#pragma once
// BMP files put together field by field, including every kind of broken one.

#include <cstdint>
#include <string>
#include <vector>

namespace wavorin::snapshot::testing {

struct BmpFields {
    std::string signature = "BM";
    std::uint32_t pixelDataOffset = 54;
    std::int32_t width = 2;
    std::int32_t height = 2;
    std::uint16_t bits = 24;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::size_t pixelBytes = 16;  // how many pixel bytes actually follow (2 rows of 8)
    std::uint8_t pixelFill = 0x5A;
};

inline void Put(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint64_t value, int size)
{
    if (bytes.size() < at + static_cast<std::size_t>(size)) bytes.resize(at + static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The file header, a 40-byte info header, whatever fill reaches the pixel-data offset
// (palette bytes), then the pixels. An offset below 54 cuts the info header short.
inline std::vector<std::uint8_t> CraftBmp(const BmpFields& f)
{
    std::vector<std::uint8_t> bytes(54, 0);
    bytes[0] = static_cast<std::uint8_t>(f.signature.size() > 0 ? f.signature[0] : 0);
    bytes[1] = static_cast<std::uint8_t>(f.signature.size() > 1 ? f.signature[1] : 0);
    Put(bytes, 10, f.pixelDataOffset, 4);
    Put(bytes, 14, 40, 4);
    Put(bytes, 18, static_cast<std::uint32_t>(f.width), 4);
    Put(bytes, 22, static_cast<std::uint32_t>(f.height), 4);
    Put(bytes, 26, 1, 2);
    Put(bytes, 28, f.bits, 2);
    Put(bytes, 30, f.compression, 4);
    Put(bytes, 34, f.imageSize, 4);
    bytes.resize(f.pixelDataOffset, 0xC3);  // palette or masks, or a cut header
    bytes.insert(bytes.end(), f.pixelBytes, f.pixelFill);
    return bytes;
}

}  // namespace wavorin::snapshot::testing
