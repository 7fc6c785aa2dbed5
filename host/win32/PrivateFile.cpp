#include "host/win32/PrivateFile.h"

#include <windows.h>

#include <algorithm>

#include "common/files/OwnNames.h"
#include "host/win32/Handles.h"

namespace wavorin::win32 {

PrivateFileSecurity::PrivateFileSecurity()
{
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return;
    const UniqueHandle tokenOwner(token);
    DWORD size = 0;
    GetTokenInformation(token, TokenUser, nullptr, 0, &size);
    user_.resize(size);
    if (size == 0 || !GetTokenInformation(token, TokenUser, user_.data(), size, &size)) return;
    PSID user = reinterpret_cast<TOKEN_USER*>(user_.data())->User.Sid;

    DWORD systemSize = DWORD(system_.size()), everyAccountSize = DWORD(everyAccount_.size());
    if (!CreateWellKnownSid(WinLocalSystemSid, nullptr, system_.data(), &systemSize) ||
        !CreateWellKnownSid(WinAuthenticatedUserSid, nullptr, everyAccount_.data(), &everyAccountSize)) {
        return;
    }
    const DWORD aclSize = DWORD(sizeof(ACL) + 3 * (sizeof(ACCESS_ALLOWED_ACE) - sizeof(DWORD)) + GetLengthSid(user) +
                                GetLengthSid(system_.data()) + GetLengthSid(everyAccount_.data()));
    acl_.resize((aclSize + sizeof(DWORD) - 1) / sizeof(DWORD));
    auto* acl = reinterpret_cast<ACL*>(acl_.data());
    if (!InitializeAcl(acl, aclSize, ACL_REVISION) ||
        !AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, user) ||
        !AddAccessAllowedAce(acl, ACL_REVISION, FILE_ALL_ACCESS, system_.data()) ||
        // Another account's run must be able to put its own picture in this one's place.
        !AddAccessAllowedAce(acl, ACL_REVISION, kOthersMayDelete, everyAccount_.data()) ||
        !InitializeSecurityDescriptor(&descriptor_, SECURITY_DESCRIPTOR_REVISION) ||
        !SetSecurityDescriptorDacl(&descriptor_, TRUE, acl, FALSE) ||
        // Protected: nothing inherited from the folder joins the three entries.
        !SetSecurityDescriptorControl(&descriptor_, SE_DACL_PROTECTED, SE_DACL_PROTECTED)) {
        return;
    }
    attributes_.nLength = sizeof attributes_;
    attributes_.lpSecurityDescriptor = &descriptor_;
    ready_ = true;
}

namespace {

bool WriteAll(HANDLE file, std::span<const std::uint8_t> bytes)
{
    constexpr std::size_t kChunk = 1u << 30;
    while (!bytes.empty()) {
        const DWORD want = DWORD(std::min(bytes.size(), kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), want, &written, nullptr) || written == 0) return false;
        bytes = bytes.subspan(written);
    }
    return true;
}

}  // namespace

bool WritePrivateFile(const wchar_t* path, std::initializer_list<std::span<const std::uint8_t>> parts)
{
    PrivateFileSecurity security;
    if (!security.Attributes()) return false;
    // CREATE_NEW after the delete, and a link taken for the name it is: if anything still
    // holds the name (a file we may not delete, a folder, a link or file planted again
    // meanwhile), nothing is written rather than into it or where it leads.
    files::DeleteOwnName(path);
    UniqueFile file(CreateFileW(path, GENERIC_WRITE | DELETE, FILE_SHARE_READ, security.Attributes(), CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
    if (!file) return false;
    const bool complete =
        std::all_of(parts.begin(), parts.end(), [&](auto part) { return WriteAll(file.get(), part); });
    if (!complete) {
        // A picture cut off part-way must not pass for one. Deleted through our own handle:
        // the name may lead elsewhere by now, since other accounts may delete the file.
        FILE_DISPOSITION_INFO disposition{TRUE};
        SetFileInformationByHandle(file.get(), FileDispositionInfo, &disposition, sizeof disposition);
    }
    return complete;
}

}  // namespace wavorin::win32
