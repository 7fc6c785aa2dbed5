#include "common/files/FinalPath.h"

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

// The path as the platform names it: full, with its long names ("" when it does not exist).
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

}  // namespace

bool IsNamedBy(HANDLE opened, const wchar_t* path)
{
    const std::wstring named = LongFullPathOf(path), final = FinalPathOf(opened);
    const std::wstring expected = L"\\\\?\\" + named;
    return !named.empty() && CompareStringOrdinal(final.c_str(), int(final.size()), expected.c_str(),
                                                  int(expected.size()), TRUE) == CSTR_EQUAL;
}

}  // namespace wavorin::files
