#include "common/files/OwnNames.h"

#include <windows.h>

#include <memory>

#include "common/files/FinalPath.h"

namespace wavorin::files {
namespace {

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using OwnedHandle = std::unique_ptr<void, HandleCloser>;

// The name itself where the platform can open it so (a link's own name on Windows); Wine
// opens the file a link leads to, whose path then differs from the name.
OwnedHandle OpenName(const wchar_t* path, DWORD access)
{
    const HANDLE name = CreateFileW(path, access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    return OwnedHandle(name == INVALID_HANDLE_VALUE ? nullptr : name);
}

}  // namespace

bool IsMissingOrOwnFile(const wchar_t* path)
{
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) return GetLastError() == ERROR_FILE_NOT_FOUND;
    const OwnedHandle name = OpenName(path, FILE_READ_ATTRIBUTES);
    BY_HANDLE_FILE_INFORMATION look{};
    return name && GetFileInformationByHandle(name.get(), &look) && look.nNumberOfLinks == 1 &&
           !(look.dwFileAttributes & (FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_DIRECTORY)) &&
           IsNamedBy(name.get(), path);
}

bool DeleteOwnName(const wchar_t* path)
{
    const OwnedHandle name = OpenName(path, DELETE | FILE_READ_ATTRIBUTES);
    if (!name) return GetLastError() == ERROR_FILE_NOT_FOUND;
    // Not a folder, and the name itself (its other names, if any, stay where they are).
    BY_HANDLE_FILE_INFORMATION look{};
    if (!GetFileInformationByHandle(name.get(), &look) || (look.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ||
        !IsNamedBy(name.get(), path)) {
        return false;
    }
    FILE_DISPOSITION_INFO disposition{TRUE};
    return SetFileInformationByHandle(name.get(), FileDispositionInfo, &disposition, sizeof disposition);
}

}  // namespace wavorin::files
