#include "common/snapshot/BmpWriter.h"

#include <fstream>
#include <system_error>

namespace wavorin::snapshot {
namespace {

void Put16(std::uint8_t* at, std::uint16_t value)
{
    at[0] = static_cast<std::uint8_t>(value);
    at[1] = static_cast<std::uint8_t>(value >> 8);
}

void Put32(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

bool IsValid(const PixelRows& rows)
{
    if (rows.width < 1 || rows.width > kMaxSide || rows.height < 1 || rows.height > kMaxSide) return false;
    const std::uint64_t bytes = std::uint64_t{*RowStride(rows.width)} * static_cast<std::uint64_t>(rows.height);
    return bytes <= kMaxPixelBytes && rows.bytes.size() == bytes;
}

}  // namespace

std::optional<std::array<std::uint8_t, kPixelDataOffset>> EncodeHeaders(const PixelRows& rows)
{
    if (!IsValid(rows)) return std::nullopt;
    const auto imageSize = static_cast<std::uint32_t>(rows.bytes.size());

    std::array<std::uint8_t, kPixelDataOffset> header{};
    std::uint8_t* file = header.data();
    Put16(file, kSignature);
    Put32(file + 2, static_cast<std::uint32_t>(kPixelDataOffset) + imageSize);
    Put32(file + 10, static_cast<std::uint32_t>(kPixelDataOffset));

    std::uint8_t* info = file + kFileHeaderSize;
    Put32(info + 0, static_cast<std::uint32_t>(kInfoHeaderSize));
    Put32(info + kWidthField, static_cast<std::uint32_t>(rows.width));
    Put32(info + kHeightField, static_cast<std::uint32_t>(rows.height));  // positive: bottom-up
    Put16(info + 12, 1);                                                     // colour planes
    Put16(info + kBitsField, kBitsPerPixel);
    Put32(info + kCompressionField, kUncompressed);
    Put32(info + kImageSizeField, imageSize);
    // Resolution and colour counts stay 0: no preferred resolution, no palette.
    return header;
}

std::optional<std::vector<std::uint8_t>> EncodeBmp(const Picture& picture)
{
    const auto header = EncodeHeaders(RowsOf(picture));
    if (!header) return std::nullopt;
    std::vector<std::uint8_t> file(header->begin(), header->end());
    file.insert(file.end(), picture.pixels.begin(), picture.pixels.end());
    return file;
}

bool WriteBmpFile(const std::filesystem::path& path, const PixelRows& rows)
{
    const auto header = EncodeHeaders(rows);
    if (!header) return false;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out.is_open()) return false;  // nothing of ours there, and what is there stays
    out.write(reinterpret_cast<const char*>(header->data()), static_cast<std::streamsize>(header->size()));
    out.write(reinterpret_cast<const char*>(rows.bytes.data()), static_cast<std::streamsize>(rows.bytes.size()));
    out.close();
    if (out) return true;
    // A file cut off part-way (a full disk) must not pass for a picture.
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

}  // namespace wavorin::snapshot
