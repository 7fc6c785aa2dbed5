// Any bytes as a snapshot file: the reader refuses them or accepts them without reading past
// what it read, and what it accepts the writer stores again unchanged.

#include <cstdint>
#include <sstream>
#include <string>

#include "common/snapshot/BmpReader.h"
#include "common/snapshot/BmpWriter.h"

using namespace wavorin::snapshot;

static ReadResult ReadBytes(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    return ReadBmp(in);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ReadResult read = ReadBytes(data, size);
    const Picture& p = read.picture;
    if (read.status != ReadStatus::Loaded) {
        if (!p.pixels.empty()) __builtin_trap();
        return 0;
    }
    if (p.width < 1 || p.width > kMaxSide || p.height < 1 || p.height > kMaxSide ||
        p.pixels.size() != *RowStride(p.width) * std::size_t(p.height) ||
        p.pixels.size() + kFileHeaderSize + kFieldsNeeded > size) {  // pixels come from the input
        __builtin_trap();
    }
    const auto stored = EncodeBmp(p);
    if (!stored) __builtin_trap();
    const ReadResult again = ReadBytes(stored->data(), stored->size());
    if (again.status != ReadStatus::Loaded || again.picture.pixels != p.pixels) __builtin_trap();
    return 0;
}
