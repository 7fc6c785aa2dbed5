// Where there is no ReplaceFileW (POSIX): a rename, which replaces the target in one step.
// The new file has the permissions it was created with.

#include "common/ini/FileMove.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace wavorin::ini {

bool WriteNewFileToDisk(const std::filesystem::path& file, std::string_view bytes)
{
    const int out = open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (out < 0) return false;
    bool written = true;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const ssize_t wrote = write(out, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        written = wrote > 0;
        if (written) done += static_cast<std::size_t>(wrote);
    }
    written = written && fsync(out) == 0;
    written = close(out) == 0 && written;
    if (!written) unlink(file.c_str());
    return written;
}

bool IsMissingOrOwnFile(const std::filesystem::path& file)
{
    struct stat look {};
    if (lstat(file.c_str(), &look) != 0) return errno == ENOENT;
    return S_ISREG(look.st_mode) && look.st_nlink == 1;
}

MoveOutcome MoveOver(const std::filesystem::path& replacement, const std::filesystem::path& target)
{
    std::error_code error;
    std::filesystem::rename(replacement, target, error);
    return error ? MoveOutcome::Failed : MoveOutcome::Moved;
}

}  // namespace wavorin::ini
