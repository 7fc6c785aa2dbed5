#pragma once
// Files that only the account running this program (and SYSTEM) can open, for pictures of
// the user's screen kept in a folder that other accounts may see into.

#include <cstdint>
#include <initializer_list>
#include <span>

namespace wavorin::win32 {

// Writes `parts` one after another as a new file at `path` whose access list is its own,
// not the folder's: full access for this process's user and for SYSTEM, nobody else, from
// the first byte. Whatever was at `path` is deleted first and never opened, so a file or a
// link planted there is replaced, not written through. False when the file cannot be made
// or written completely; a file cut off part-way is removed.
bool WritePrivateFile(const wchar_t* path, std::initializer_list<std::span<const std::uint8_t>> parts);

}  // namespace wavorin::win32
