#include "common/ini/IniLocate.h"

namespace wavorin::ini {

namespace {

void NoteSectionLine(IniLocation& location, const IniLine& line)
{
    location.appendAt = line.end;
    location.appendNeedsBreak = line.breakBegin == line.end;
}

}  // namespace

IniLocation Locate(std::string_view text, std::string_view section, std::string_view key)
{
    IniLocation location;
    IniLineCursor cursor(text);
    IniLine line;
    while (cursor.Next(line)) {
        const std::string_view content = text.substr(line.contentBegin, line.contentEnd - line.contentBegin);
        if (content.empty()) continue;
        if (const auto name = SectionNameOf(content)) {
            if (location.sectionFound) break;  // the first matching section is over
            if (NamesEqual(*name, section)) {
                location.sectionFound = true;
                NoteSectionLine(location, line);
            }
            continue;
        }
        if (!location.sectionFound) continue;
        NoteSectionLine(location, line);
        const KeyEntry entry = KeyEntryOf(content);
        if (NamesEqual(entry.name, key)) {
            location.key = FoundKey{line, entry};
            break;
        }
    }
    return location;
}

}  // namespace wavorin::ini
