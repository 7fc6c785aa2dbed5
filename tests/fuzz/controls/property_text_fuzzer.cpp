// Any text either fails to read or reads into a store whose own text reads back the same.

#include <cstdlib>

#include "host/controls/PropertyStore.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using wavorin::controls::PropertyStore;
    const auto store = PropertyStore::FromText(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto back = store ? PropertyStore::FromText(store->ToText()) : store;
    if (store && (!back || !(*back == *store) || back->ToText() != store->ToText())) std::abort();
    return 0;
}
