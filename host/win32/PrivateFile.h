#pragma once
// Files that only the account running this program (and SYSTEM) can open, for pictures of
// the user's screen kept in a folder that other accounts may see into.

#include <windows.h>

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <vector>

namespace wavorin::win32 {

// The access list of a private file, protected from the folder's: full access for this
// process's user and for SYSTEM; for every other signed-in account only the right to delete
// it (and to read its attributes, which a delete looks at), so that another account's run
// can replace it but read none of it. Held with the descriptor and attributes that point
// into it, so never copied.
class PrivateFileSecurity {
public:
    static constexpr DWORD kOthersMayDelete = DELETE | FILE_READ_ATTRIBUTES | SYNCHRONIZE;

    PrivateFileSecurity();
    PrivateFileSecurity(const PrivateFileSecurity&) = delete;
    PrivateFileSecurity& operator=(const PrivateFileSecurity&) = delete;

    // Nothing when the list could not be made: then no file is made either.
    SECURITY_ATTRIBUTES* Attributes() { return ready_ ? &attributes_ : nullptr; }

private:
    std::vector<std::uint8_t> user_;  // TOKEN_USER followed by the SID it points to
    std::array<std::uint8_t, SECURITY_MAX_SID_SIZE> system_{};
    std::array<std::uint8_t, SECURITY_MAX_SID_SIZE> everyAccount_{};
    std::vector<DWORD> acl_;  // DWORD-aligned, as an ACL must be
    SECURITY_DESCRIPTOR descriptor_{};
    SECURITY_ATTRIBUTES attributes_{};
    bool ready_ = false;
};

// Writes `parts` one after another as a new file at `path` whose access list is its own,
// not the folder's (PrivateFileSecurity), from the first byte. Whatever was at `path` is deleted first and never opened, so a file or a
// link planted there is replaced, not written through. False when the file cannot be made
// or written completely; a file cut off part-way is removed.
bool WritePrivateFile(const wchar_t* path, std::initializer_list<std::span<const std::uint8_t>> parts);

}  // namespace wavorin::win32
