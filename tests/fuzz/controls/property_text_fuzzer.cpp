// Any text either fails to read or reads into a store whose own text reads back the same.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "host/controls/PropertyStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using wavorin::controls::PropertyStore;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto store = PropertyStore::FromText(text);
    if (!store) return 0;
    const std::string written = store->ToText();
    const auto back = PropertyStore::FromText(written);
    if (!back || !(*back == *store) || back->ToText() != written) std::abort();
    return 0;
}
