#pragma once

#include <string_view>

namespace wavorin::ini {

// The whole number a settings value starts with, as the platform's profile reader takes
// it: control characters and spaces skipped, an optional '+' or '-', then decimal digits
// gathered in 32 bits with wraparound; 0 when no digit follows. Unlike the platform no
// 0x, 0o or 0b prefix is understood: "0x10" is 0.
int LeadingInteger(std::string_view value);

}  // namespace wavorin::ini
