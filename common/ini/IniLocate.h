#pragma once

// The one scan both reading and writing use: where a key of a section is, or where it
// would go.

#include <cstddef>
#include <optional>
#include <string_view>

#include "common/ini/IniEntries.h"
#include "common/ini/IniLines.h"

namespace wavorin::ini {

struct FoundKey {
    IniLine line;
    KeyEntry entry;  // offsets relative to line.contentBegin
};

struct IniLocation {
    bool sectionFound = false;
    // Where a new key line of the section goes: after its last non-blank line.
    std::size_t appendAt = 0;
    // That line ends the text without a line break, so a new line needs one first.
    bool appendNeedsBreak = false;
    std::optional<FoundKey> key;
};

// Only the first section named `section` is searched; a later one of the same name is
// never read. Within it the first line naming `key` wins, even one without '=' (which
// then has no value). Lines before the first section belong to no section. The names
// must already be trimmed.
IniLocation Locate(std::string_view text, std::string_view section, std::string_view key);

}  // namespace wavorin::ini
