#pragma once

// Whole-file reads and all-or-nothing replacement, in standard C++ but for the final move
// (FileMove.h), so the same code runs natively and on Windows.

#include <cstddef>
#include <filesystem>
#include <functional>
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

// How often a replacement is tried when another program holds the file (a virus scanner,
// a backup, an editor reading it), with a short pause between tries.
inline constexpr int kReplaceAttempts = 5;
void PauseBeforeRetry();

// Writes bytes to a new uniquely named file beside the target, then puts it in the
// target's place (MoveOver: the target keeps its attributes and security), so a reader
// sees either the old file or the complete new one, never a torn one. A replacement
// refused because the file is busy is tried again after `pause`, kReplaceAttempts times in
// all. On any failure the temporary file is removed and false returned. The folder must
// exist. (Standard C++ offers no flush to the disk itself; the move is what makes the
// replacement atomic.)
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                           const std::function<void()>& pause = PauseBeforeRetry);

}  // namespace wavorin::ini
