#include "common/files/HeldFolder.h"

#include <windows.h>

#include <string>
#include <vector>

namespace wavorin::files {
namespace {

std::wstring FinalPathOf(HANDLE file)
{
    const DWORD length = GetFinalPathNameByHandleW(file, nullptr, 0, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    if (length == 0) return {};
    std::vector<wchar_t> path(length);
    const DWORD written = GetFinalPathNameByHandleW(file, path.data(), length, FILE_NAME_NORMALIZED | VOLUME_NAME_DOS);
    return written > 0 && written < length ? std::wstring(path.data(), written) : std::wstring();
}

// The path as the platform names the folder: full, with its long names.
std::wstring LongFullPathOf(const wchar_t* path)
{
    std::wstring full(MAX_PATH, L'\0');
    DWORD length = GetFullPathNameW(path, DWORD(full.size()), full.data(), nullptr);
    if (length >= full.size()) full.resize(length), length = GetFullPathNameW(path, length, full.data(), nullptr);
    full.resize(length < full.size() ? length : 0);
    std::wstring longName(full.size() + MAX_PATH, L'\0');
    length = GetLongPathNameW(full.c_str(), longName.data(), DWORD(longName.size()));
    longName.resize(length < longName.size() ? length : 0);
    return longName;
}

bool SameNameIgnoringCase(const std::wstring& a, const std::wstring& b)
{
    return CompareStringOrdinal(a.c_str(), int(a.size()), b.c_str(), int(b.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace

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
    const std::wstring named = LongFullPathOf(path);
    if (named.empty() || !SameNameIgnoringCase(FinalPathOf(folder), L"\\\\?\\" + named)) return;
    folder_ = std::move(held);
}

}  // namespace wavorin::files
