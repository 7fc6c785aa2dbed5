// ReplaceFileW keeps the replaced file's attributes and security on Windows; Wine's moves
// the new file in as it is. So both are read first and put back where they were lost.

#include "common/ini/FileMove.h"

#include "common/files/HeldFolder.h"
#include "common/files/OwnNames.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace wavorin::ini {

namespace {

// Attributes that belong to the file rather than to one version of its content. Read-only
// files are never replaced, and the archive bit rightly marks the new content.
constexpr DWORD kKeptAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED | FILE_ATTRIBUTE_OFFLINE |
                                      FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_TEMPORARY;

// What a replacement must keep of the file it replaces.
struct FileLook {
    DWORD attributes = 0;
    std::vector<unsigned char> access;  // security descriptor holding the DACL; empty when unreadable
};

std::vector<unsigned char> AccessOf(const wchar_t* file)
{
    DWORD needed = 0;
    GetFileSecurityW(file, DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    if (needed == 0) return {};
    std::vector<unsigned char> descriptor(needed);
    if (!GetFileSecurityW(file, DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed)) return {};
    descriptor.resize(needed);
    return descriptor;
}

void PutBack(const wchar_t* file, const FileLook& look)
{
    const DWORD now = GetFileAttributesW(file);
    if (now != INVALID_FILE_ATTRIBUTES && (now & kKeptAttributes) != (look.attributes & kKeptAttributes)) {
        const DWORD wanted = ((now & ~kKeptAttributes) | (look.attributes & kKeptAttributes)) & kSettableAttributes;
        SetFileAttributesW(file, wanted != 0 ? wanted : FILE_ATTRIBUTE_NORMAL);
    }
    if (!look.access.empty() && AccessOf(file) != look.access) {
        std::vector<unsigned char> access = look.access;  // the call takes it writable
        SetFileSecurityW(file, DACL_SECURITY_INFORMATION, access.data());
    }
}

bool IsBusy(DWORD error)
{
    switch (error) {
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
    case ERROR_ACCESS_DENIED:            // also what a file being deleted answers
    case ERROR_UNABLE_TO_REMOVE_REPLACED:
    case ERROR_ALREADY_EXISTS:           // someone else created it meanwhile: replace it next time
    case ERROR_FILE_EXISTS:
        return true;
    default:
        return false;
    }
}

MoveOutcome OutcomeOf(DWORD error) { return IsBusy(error) ? MoveOutcome::Busy : MoveOutcome::Failed; }

// Whether another program has the file open without letting it be deleted, which is what
// keeps it from being replaced. Asked first because Wine's ReplaceFileW, refused, leaves a
// file of its own behind in the folder.
bool HeldOpen(const wchar_t* file)
{
    const HANDLE probe = CreateFileW(file, DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                     OPEN_EXISTING, 0, nullptr);
    if (probe != INVALID_HANDLE_VALUE) {
        CloseHandle(probe);
        return false;
    }
    const DWORD error = GetLastError();
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// The file's folder, held while a step creates or moves files in it; not held where a link
// stands in its place (then the step changes nothing).
files::HeldFolder FolderOf(const std::filesystem::path& file)
{
    return files::HeldFolder(file.has_parent_path() ? file.parent_path().c_str() : L".");
}

MoveOutcome MoveNew(const wchar_t* replacement, const wchar_t* target)
{
    return MoveFileExW(replacement, target, MOVEFILE_WRITE_THROUGH) ? MoveOutcome::Moved : OutcomeOf(GetLastError());
}

}  // namespace

bool IsMissingOrOwnFile(const std::filesystem::path& file) { return files::IsMissingOrOwnFile(file.c_str()); }

bool WriteNewFileToDisk(const std::filesystem::path& file, std::string_view bytes)
{
    const files::HeldFolder folder = FolderOf(file);
    if (!folder) return false;
    // A link planted at the name makes this fail rather than create what it leads to.
    const HANDLE out = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                   FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr);
    if (out == INVALID_HANDLE_VALUE) return false;
    bool written = true;
    for (std::size_t done = 0; written && done < bytes.size();) {
        const DWORD piece = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD wrote = 0;
        written = WriteFile(out, bytes.data() + done, piece, &wrote, nullptr) && wrote == piece;
        done += wrote;
    }
    written = written && FlushFileBuffers(out);
    written = CloseHandle(out) && written;
    if (!written) DeleteFileW(file.c_str());
    return written;
}

MoveOutcome MoveOver(const std::filesystem::path& replacement, const std::filesystem::path& target)
{
    const files::HeldFolder folder = FolderOf(target);
    if (!folder) return MoveOutcome::Failed;
    FileLook look;
    look.attributes = GetFileAttributesW(target.c_str());
    if (look.attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        if (error == ERROR_FILE_NOT_FOUND) return MoveNew(replacement.c_str(), target.c_str());
        return OutcomeOf(error);
    }
    if (!IsMissingOrOwnFile(target)) return MoveOutcome::Failed;
    if (HeldOpen(target.c_str())) return MoveOutcome::Busy;
    look.access = AccessOf(target.c_str());

    if (!ReplaceFileW(target.c_str(), replacement.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr)) {
        const DWORD error = GetLastError();
        if (error != ERROR_UNABLE_TO_MOVE_REPLACEMENT && error != ERROR_UNABLE_TO_MOVE_REPLACEMENT_2) {
            return OutcomeOf(error);
        }
        // The new file was not moved in. Where the old one is already gone, finish with a
        // move; should even that fail, the next attempt finds no old file and only moves.
        if (GetFileAttributesW(target.c_str()) != INVALID_FILE_ATTRIBUTES) return MoveOutcome::Busy;
        if (MoveNew(replacement.c_str(), target.c_str()) != MoveOutcome::Moved) return MoveOutcome::Busy;
    }
    PutBack(target.c_str(), look);
    return MoveOutcome::Moved;
}

}  // namespace wavorin::ini
