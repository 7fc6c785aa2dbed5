#pragma once

// Whole-file reads and all-or-nothing replacement, in standard C++ but for the final move
// (FileMove.h), so the same code runs natively and on Windows.

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "common/ini/FileMove.h"

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

// Putting a finished file in the target's place: MoveOver, or a stand-in in tests.
using MoveStep = std::function<MoveOutcome(const std::filesystem::path& replacement, const std::filesystem::path& target)>;

// Writes bytes to a new uniquely named file beside the target, flushed to the disk, then
// puts it in the target's place (`move`: the target keeps its attributes and security), so
// a reader sees either the old file or the complete new one, never a torn or empty one. A
// replacement refused because the file is busy is tried again after `pause`,
// kReplaceAttempts times in all. On failure false is returned and the temporary file
// removed, unless the old file is gone by then: the new one is then the only copy and is
// kept as the target's stranded replacement. The folder must exist.
bool ReplaceFileAtomically(const std::filesystem::path& file, std::string_view bytes,
                           const std::function<void()>& pause = PauseBeforeRetry, const MoveStep& move = MoveOver);

// Where a failed replacement left the only copy: the target's name with ".pending" added.
std::filesystem::path StrandedReplacementOf(const std::filesystem::path& file);

// Moves a stranded replacement into the target's place when the target is missing; reads
// and writes of the file do this first.
void AdoptStrandedReplacement(const std::filesystem::path& file);

}  // namespace wavorin::ini
