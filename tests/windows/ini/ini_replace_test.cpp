// Replacing the settings file on Windows: a first write moves the new file in, a
// replacement keeps the old file's attributes and access list, another program holding the
// file is waited for a while, and a replacement that fails leaves no file of ours behind.

#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "common/ini/FileBytes.h"
#include "common/ini/IniFile.h"

namespace wavorin::ini {
namespace {

namespace fs = std::filesystem;

std::string AccessOf(const fs::path& file)
{
    DWORD needed = 0;
    GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    std::string descriptor(needed, '\0');
    GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed);
    return descriptor;
}

TEST(IniReplace, KeepsAttributesAndAccessWaitsForAHolderAndLeavesNothingBehind)
{
    const fs::path folder = fs::temp_directory_path() / ("wavorin_ini_replace_" + std::to_string(GetCurrentProcessId()));
    const fs::path file = folder / "Wavorin.ini";
    fs::create_directories(folder);
    const auto alone = [&] { return std::distance(fs::directory_iterator(folder), {}) == 1; };  // no file of ours left
    ASSERT_TRUE(WriteString(file, "S", "k", "1"));
    EXPECT_TRUE(alone());
    const auto fresh = AccessOf(file);
    PSECURITY_DESCRIPTOR everyone = nullptr;  // full access for everyone: no new file gets that
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;FA;;;WD)", SDDL_REVISION_1, &everyone, nullptr));
    ASSERT_TRUE(SetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, everyone));
    LocalFree(everyone);
    const auto access = AccessOf(file);
    ASSERT_NE(access, fresh);
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), kept));
    ASSERT_TRUE(WriteString(file, "S", "k", "2"));
    EXPECT_EQ(GetFileAttributesW(file.c_str()) & kept, kept);
    EXPECT_EQ(AccessOf(file), access);

    // Another program reading the file, sharing reading and writing but not deleting.
    const auto hold = [&] {
        return CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    };
    HANDLE holder = hold();
    int pauses = 0;
    EXPECT_TRUE(ReplaceFileAtomically(file, "[S]\r\nk=3\r\n", [&] {
        if (++pauses == 2) CloseHandle(holder);  // let go during the second pause
    }));
    EXPECT_EQ(pauses, 2);
    holder = hold();
    EXPECT_FALSE(ReplaceFileAtomically(file, "[S]\r\nk=4\r\n", [&] { ++pauses; }));
    EXPECT_EQ(pauses, 2 + kReplaceAttempts - 1);
    CloseHandle(holder);
    EXPECT_EQ(ReadString(file, "S", "k"), "3");
    EXPECT_TRUE(alone());

    // A file larger than one write (1 MiB) arrives whole: the platform reads the key at its end.
    std::string big = "[S]\r\n";
    for (int line = 0; line < 75000; ++line) big += "; a note of 22 bytes\r\n";
    ASSERT_TRUE(ReplaceFileAtomically(file, big + "last=tail\r\n", [] {}));
    WritePrivateProfileStringA(nullptr, nullptr, nullptr, file.string().c_str());  // the platform's cache forgets the file
    char last[8]{};
    GetPrivateProfileStringA("S", "last", "", last, sizeof last, file.string().c_str());
    EXPECT_STREQ(last, "tail");
    fs::remove_all(folder);
}

}  // namespace
}  // namespace wavorin::ini
