#pragma once

#include <string_view>

namespace wavorin::ini {

// Whether (section, key, value) can be written so that reading it back finds exactly that
// entry. Refused: CR, LF or NUL anywhere (they would end the line and inject new ones);
// a section or key that is empty after trimming blanks; a section holding a ']'
// character or ending with a lone CP932 lead byte (which would swallow the closing
// bracket); a key holding '=' or starting with '[' (it would read back as a different
// name or as a section header). The same rules hold for CP932 bytes and UTF-16 text.
bool CanWrite(std::string_view section, std::string_view key, std::string_view value);
bool CanWrite(std::u16string_view section, std::u16string_view key, std::u16string_view value);

}  // namespace wavorin::ini
