#include "common/files/HeldFolder.h"

#include <windows.h>

#include "common/files/FinalPath.h"

namespace wavorin::files {

void HeldFolder::Closer::operator()(void* handle) const { CloseHandle(handle); }

HeldFolder::HeldFolder(const wchar_t* path)
{
    // Without FILE_SHARE_DELETE: a rename or delete of the folder needs that sharing.
    const HANDLE folder = CreateFileW(path, FILE_LIST_DIRECTORY | SYNCHRONIZE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE) return;
    std::unique_ptr<void, Closer> held(folder);
    BY_HANDLE_FILE_INFORMATION look{};
    if (!GetFileInformationByHandle(folder, &look) || !(look.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return;
    // Opened through a link, the handle is the folder the link leads to, whose path differs.
    if (!IsNamedBy(folder, path)) return;
    folder_ = std::move(held);
}

}  // namespace wavorin::files
