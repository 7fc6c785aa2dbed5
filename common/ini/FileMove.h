#pragma once

// The steps of a replacement that differ between platforms: writing the new file to the
// disk itself, and putting it in the place of another. On Windows each step changes a folder
// only while it holds it where its name says (files::HeldFolder): a folder another account
// replaced by a link to elsewhere fails the step.

#include <filesystem>
#include <string_view>

namespace wavorin::ini {

enum class MoveOutcome {
    Moved,
    Busy,    // another program holds the target just now: trying again later may work
    Failed,  // trying again will not help
};

// Creates `file`, which must not exist yet, with `bytes`, and flushes them to the disk
// before returning, so that a replacement made of it survives a power cut. False when any
// step fails; nothing is left at the path then.
bool WriteNewFileToDisk(const std::filesystem::path& file, std::string_view bytes);

// Whether `file` is missing, or a file of its own: not a link of any kind, and the only name
// of its file. Only such a file is replaced: its bytes may be read and written anew in its
// folder, while what a link leads to lies elsewhere and may be another's.
bool IsMissingOrOwnFile(const std::filesystem::path& file);

// Moves `replacement` to the path `target`. A target that exists is replaced keeping its
// attributes and security (on Windows ReplaceFileW, and what the platform's replace did not
// carry over put back); one that does not exist yet takes a plain move. Unless Moved, the
// replacement is still where it was; the target may be gone (the platform's replace can
// remove the old file and then fail to move the new one in). On Windows, a target that is
// not its own file (see IsMissingOrOwnFile) is left alone, Failed: its replace would act on
// what a link leads to.
MoveOutcome MoveOver(const std::filesystem::path& replacement, const std::filesystem::path& target);

}  // namespace wavorin::ini
