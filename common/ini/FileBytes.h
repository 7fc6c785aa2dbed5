#pragma once

// Whole-file reads and all-or-nothing replacement with standard C++ only, so the same code
// runs natively and on Windows.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace wavorin::ini {

enum class FileState { Read, Missing, Unreadable };

struct FileContents {
    FileState state = FileState::Unreadable;
    std::string bytes;  // empty unless state is Read
};

// Missing only when nothing exists at the path; a folder, a locked file or one larger
// than maxBytes is Unreadable.
FileContents ReadWholeFile(const std::filesystem::path& file, std::size_t maxBytes);

// Writes bytes to a new uniquely named file beside the target, then renames it over the
// target, so a reader sees either the old file or the complete new one, never a torn
// one. On any failure the temporary file is removed and false returned. The folder must
// exist. (Standard C++ offers no flush to the disk itself; the rename is what makes the
// replacement atomic.)
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes);

}  // namespace wavorin::ini
