#pragma once

// What one non-blank line of settings text means: a section header or a key line.

#include <cstddef>
#include <optional>

#include "common/ini/IniUnits.h"

namespace wavorin::ini {

// For a line (blanks trimmed) starting with '[' and holding a ']' character: the text
// between '[' and the last ']', blanks trimmed, up to any NUL. Anything after that ']' is ignored.
// A '[' line without ']' is no header but an ordinary key line.
template <typename Unit>
std::optional<TextView<Unit>> SectionNameOf(TextView<Unit> content);

// A line that is no section header: "name = value", or just "name" with no value at all.
template <typename Unit>
struct KeyEntry {
    TextView<Unit> name;            // text before the first '=', trailing blanks trimmed, up to any NUL
    bool hasValue = false;          // the line holds an '='
    std::size_t valueBegin = 0;     // offset in the line of the value (after '=' and blanks)
};

template <typename Unit>
KeyEntry<Unit> KeyEntryOf(TextView<Unit> content);

// Section and key names compare ignoring ASCII case only; the second byte of a CP932
// character is compared exactly, so 83 41 (ア) never equals 83 61 (ヂ).
template <typename Unit>
bool NamesEqual(TextView<Unit> a, TextView<Unit> b);

}  // namespace wavorin::ini
