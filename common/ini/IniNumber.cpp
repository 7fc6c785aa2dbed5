#include "common/ini/IniNumber.h"

#include <cstddef>
#include <cstdint>

namespace wavorin::ini {

int LeadingInteger(std::string_view value)
{
    std::size_t pos = 0;
    while (pos < value.size() && static_cast<unsigned char>(value[pos]) <= ' ') ++pos;
    bool negative = false;
    if (pos < value.size() && (value[pos] == '+' || value[pos] == '-')) {
        negative = value[pos] == '-';
        ++pos;
    }
    std::uint32_t total = 0;  // unsigned: overflow wraps as the platform's does, with no UB
    for (; pos < value.size() && value[pos] >= '0' && value[pos] <= '9'; ++pos)
        total = total * 10u + static_cast<std::uint32_t>(value[pos] - '0');
    if (negative) total = 0u - total;
    return static_cast<int>(total);  // C++20: modular conversion
}

}  // namespace wavorin::ini
