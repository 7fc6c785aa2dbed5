#pragma once

// The one scan both reading and writing use: where a key of a section is, or where it
// would go.

#include <cstddef>
#include <optional>

#include "common/ini/IniEntries.h"
#include "common/ini/IniLines.h"

namespace wavorin::ini {

template <typename Unit>
struct FoundKey {
    IniLine line;
    KeyEntry<Unit> entry;  // offsets relative to line.contentBegin
};

template <typename Unit>
struct IniLocation {
    bool sectionFound = false;
    // Where a new key line of the section goes: after its last non-blank line.
    std::size_t appendAt = 0;
    // That line ends the text without a line break, so a new line needs one first.
    bool appendNeedsBreak = false;
    std::optional<FoundKey<Unit>> key;
};

// Only the first section named `section` is searched; a later one of the same name is
// never read. Within it the first line naming `key` wins, even one without '=' (which
// then has no value). Lines before the first section belong to no section. The names
// must already be trimmed.
template <typename Unit>
IniLocation<Unit> Locate(TextView<Unit> text, TextView<Unit> section, TextView<Unit> key);

}  // namespace wavorin::ini
