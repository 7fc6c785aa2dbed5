#include "common/snapshot/BmpReader.h"

#include <algorithm>
#include <array>
#include <fstream>
#include <limits>
#include <new>
#include <optional>

namespace wavorin::snapshot {
namespace {

std::uint16_t Get16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] | at[1] << 8); }

std::uint32_t Get32(const std::uint8_t* at)
{
    return std::uint32_t{at[0]} | std::uint32_t{at[1]} << 8 | std::uint32_t{at[2]} << 16 | std::uint32_t{at[3]} << 24;
}

bool ReadExactly(std::istream& in, void* into, std::size_t count)
{
    in.read(static_cast<char*>(into), static_cast<std::streamsize>(count));
    return static_cast<std::size_t>(in.gcount()) == count;
}

// Bytes left in the stream, when the stream can tell.
std::optional<std::uint64_t> Remaining(std::istream& in)
{
    const std::streampos here = in.tellg();
    if (here == std::streampos(-1)) return std::nullopt;
    in.seekg(0, std::ios::end);
    const std::streampos end = in.tellg();
    in.clear();
    in.seekg(here);
    if (end < here) return std::nullopt;  // an end it could not tell (-1) included
    return static_cast<std::uint64_t>(end - here);
}

// Passes over `count` bytes that must be present.
bool Skip(std::istream& in, std::uint64_t count)
{
    const auto remaining = Remaining(in);
    if (remaining && *remaining < count) return false;
    constexpr auto kChunk = static_cast<std::uint64_t>(std::numeric_limits<std::streamsize>::max());
    while (count > 0) {
        const std::uint64_t step = std::min(count, kChunk);
        in.ignore(static_cast<std::streamsize>(step));
        if (static_cast<std::uint64_t>(in.gcount()) != step) return false;
        count -= step;
    }
    return true;
}

ReadResult Fail(ReadResult result, ReadStatus status)
{
    result.status = status;
    result.picture = {};
    return result;
}

}  // namespace

ReadResult ReadBmp(std::istream& in)
{
    ReadResult result;

    std::array<std::uint8_t, kFileHeaderSize> fileHeader{};
    if (!ReadExactly(in, fileHeader.data(), fileHeader.size())) return Fail(result, ReadStatus::ShortFileHeader);
    if (Get16(&fileHeader[0]) != kSignature) return Fail(result, ReadStatus::NotBmp);

    // The header block runs from the end of the file header to the pixel data; only its first
    // fields matter, whatever palette or masks follow them.
    const std::uint32_t pixelDataOffset = Get32(&fileHeader[10]);
    if (pixelDataOffset < kFileHeaderSize + kFieldsNeeded) return Fail(result, ReadStatus::HeaderBlockTooSmall);
    const std::uint64_t blockSize = pixelDataOffset - kFileHeaderSize;
    std::array<std::uint8_t, kFieldsNeeded> fields{};
    if (!ReadExactly(in, fields.data(), fields.size()) || !Skip(in, blockSize - fields.size())) {
        return Fail(result, ReadStatus::ShortHeaderBlock);
    }

    result.width = static_cast<std::int32_t>(Get32(&fields[kWidthField]));
    result.height = static_cast<std::int32_t>(Get32(&fields[kHeightField]));
    const std::uint16_t bits = Get16(&fields[kBitsField]);
    const std::uint32_t compression = Get32(&fields[kCompressionField]);
    const std::uint32_t declaredSize = Get32(&fields[kImageSizeField]);

    if (bits != kBitsPerPixel || compression != kUncompressed || result.height < 0) {
        return Fail(result, ReadStatus::Unsupported);
    }
    // Nothing to show: a picture no texture can be made of, as harmless as a missing one.
    if (result.width <= 0 || result.height == 0) return Fail(result, ReadStatus::Empty);
    if (result.width > kMaxSide || result.height > kMaxSide) return Fail(result, ReadStatus::TooLarge);

    const std::uint64_t needed = std::uint64_t{*RowStride(result.width)} * static_cast<std::uint64_t>(result.height);
    if (needed > kMaxPixelBytes) return Fail(result, ReadStatus::TooLarge);
    const std::uint64_t dataSize = declaredSize != 0 ? declaredSize : needed;
    if (dataSize < needed) return Fail(result, ReadStatus::ShortPixelData);
    if (const auto remaining = Remaining(in); remaining && *remaining < dataSize) {
        return Fail(result, ReadStatus::ShortPixelData);  // refused before allocating
    }

    try {
        result.picture.pixels.resize(static_cast<std::size_t>(needed));
    } catch (const std::bad_alloc&) {
        return Fail(result, ReadStatus::TooLarge);
    }
    if (!ReadExactly(in, result.picture.pixels.data(), result.picture.pixels.size()) ||
        !Skip(in, dataSize - needed)) {
        return Fail(result, ReadStatus::ShortPixelData);
    }
    result.picture.width = result.width;
    result.picture.height = result.height;
    result.status = ReadStatus::Loaded;
    return result;
}

ReadResult ReadBmpFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) return {};
    return ReadBmp(in);
}

}  // namespace wavorin::snapshot
