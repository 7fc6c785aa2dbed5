#pragma once

// Putting a finished file in the place of another: the one step of a replacement that
// differs between platforms.

#include <filesystem>

namespace wavorin::ini {

enum class MoveOutcome {
    Moved,
    Busy,    // another program holds the target just now: trying again later may work
    Failed,  // trying again will not help
};

// Moves `replacement` to the path `target`. A target that exists is replaced keeping its
// attributes and security (on Windows ReplaceFileW, and what the platform's replace did not
// carry over put back); one that does not exist yet takes a plain move. Unless Moved, the
// replacement is still where it was.
MoveOutcome MoveOver(const std::filesystem::path& replacement, const std::filesystem::path& target);

}  // namespace wavorin::ini
