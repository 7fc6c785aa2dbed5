#include "common/ini/IniLocate.h"

namespace wavorin::ini {

namespace {

template <typename Unit>
void NoteSectionLine(IniLocation<Unit>& location, const IniLine& line)
{
    location.appendAt = line.end;
    location.appendNeedsBreak = line.breakBegin == line.end;
}

}  // namespace

template <typename Unit>
IniLocation<Unit> Locate(TextView<Unit> text, TextView<Unit> section, TextView<Unit> key)
{
    IniLocation<Unit> location;
    IniLineCursor<Unit> cursor(text);
    IniLine line;
    while (cursor.Next(line)) {
        const TextView<Unit> content = text.substr(line.contentBegin, line.contentEnd - line.contentBegin);
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
        const KeyEntry<Unit> entry = KeyEntryOf(content);
        if (NamesEqual(entry.name, key)) {
            location.key = FoundKey<Unit>{line, entry};
            break;
        }
    }
    return location;
}

template IniLocation<char> Locate(std::string_view, std::string_view, std::string_view);
template IniLocation<char16_t> Locate(std::u16string_view, std::u16string_view, std::u16string_view);

}  // namespace wavorin::ini
