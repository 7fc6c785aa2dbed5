// Any bytes as a snapshot file: the reader must refuse or accept them without reading past
// what it read, and what it accepts must be a picture the writer can store again unchanged.

#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "common/snapshot/BmpReader.h"
#include "common/snapshot/BmpWriter.h"

using namespace wavorin::snapshot;

namespace {

void Check(bool condition)
{
    if (!condition) __builtin_trap();
}

ReadResult ReadBytes(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    return ReadBmp(in);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ReadResult read = ReadBytes(data, size);
    if (read.status != ReadStatus::Loaded) {
        Check(read.picture.pixels.empty());
        return 0;
    }
    const Picture& picture = read.picture;
    Check(picture.width > 0 && picture.width <= kMaxSide && picture.height > 0 && picture.height <= kMaxSide);
    Check(picture.pixels.size() == *RowStride(picture.width) * static_cast<std::size_t>(picture.height));
    Check(picture.pixels.size() + kFileHeaderSize + kFieldsNeeded <= size);  // pixels come from the input

    const auto stored = EncodeBmp(picture);
    Check(stored.has_value());
    const ReadResult again = ReadBytes(stored->data(), stored->size());
    Check(again.status == ReadStatus::Loaded && again.picture.pixels == picture.pixels);
    return 0;
}
