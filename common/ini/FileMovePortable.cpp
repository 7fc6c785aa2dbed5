// Where there is no ReplaceFileW: a rename, which replaces the target in one step. The
// new file has the permissions it was created with.

#include "common/ini/FileMove.h"

#include <system_error>

namespace wavorin::ini {

MoveOutcome MoveOver(const std::filesystem::path& replacement, const std::filesystem::path& target)
{
    std::error_code error;
    std::filesystem::rename(replacement, target, error);
    return error ? MoveOutcome::Failed : MoveOutcome::Moved;
}

}  // namespace wavorin::ini
