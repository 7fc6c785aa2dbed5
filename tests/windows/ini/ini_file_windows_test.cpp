// File-level behaviour only Windows shows: sharing modes, read-only files, attributes and
// access lists, and what the settings dialog does when its file cannot be written.

#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "common/ini/FileBytes.h"
#include "common/ini/IniFile.h"
#include "host/dialog/SettingsDialog.h"
#include "host/startup/Titles.h"
#include "host/win32/SettingsFile.h"
#include "tests/windows/ini/PlatformProfile.h"

namespace wavorin::ini::oracle {
namespace {

class IniFileWindows : public testing::Test {
protected:
    int EntriesInFolder() const
    {
        return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder_.Path()), {}));
    }

    ScratchFolder folder_;
};

// Opens the file as another program reading it would: reading and writing shared,
// deleting and renaming not.
HANDLE HoldAsAReader(const std::filesystem::path& file)
{
    return CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                       nullptr);
}

// The file's access list, as text.
std::wstring AccessOf(const std::filesystem::path& file)
{
    DWORD needed = 0;
    GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
    std::vector<unsigned char> descriptor(needed);
    if (needed == 0 || !GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed)) {
        return L"";
    }
    LPWSTR text = nullptr;
    if (!ConvertSecurityDescriptorToStringSecurityDescriptorW(descriptor.data(), SDDL_REVISION_1,
                                                              DACL_SECURITY_INFORMATION, &text, nullptr)) {
        return L"";
    }
    const std::wstring access(text);
    LocalFree(text);
    return access;
}

TEST_F(IniFileWindows, LockedFileReadsAsMissingAndIsNotReplaced)
{
    const auto file = folder_.NewFile("[S]\r\nk=1\r\n");
    const HANDLE lock = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadString(file, "S", "k"), "");
    EXPECT_EQ(ReadInt(file, "S", "k", 7), 7);
    EXPECT_FALSE(WriteString(file, "S", "k", "2"));
    CloseHandle(lock);
    EXPECT_EQ(BytesOf(file), "[S]\r\nk=1\r\n");
    EXPECT_EQ(EntriesInFolder(), 1);
}

TEST_F(IniFileWindows, ReplacementWaitsForAProgramThatHoldsTheFile)
{
    const auto file = folder_.NewFile("[S]\r\nk=1\r\n");
    HANDLE holder = HoldAsAReader(file);
    ASSERT_NE(holder, INVALID_HANDLE_VALUE);
    int pauses = 0;
    EXPECT_TRUE(ReplaceFileAtomically(file, "[S]\r\nk=2\r\n", [&] {
        if (++pauses == 2) CloseHandle(holder);  // let go during the second pause
    }));
    EXPECT_EQ(pauses, 2);
    EXPECT_EQ(BytesOf(file), "[S]\r\nk=2\r\n");

    // Held for good: it gives up, and says so.
    holder = HoldAsAReader(file);
    pauses = 0;
    EXPECT_FALSE(ReplaceFileAtomically(file, "[S]\r\nk=3\r\n", [&] { ++pauses; }));
    EXPECT_FALSE(WriteString(file, "S", "k", "3"));
    CloseHandle(holder);
    EXPECT_EQ(pauses, kReplaceAttempts - 1);
    EXPECT_EQ(BytesOf(file), "[S]\r\nk=2\r\n");
    EXPECT_EQ(EntriesInFolder(), 1);  // no temporary file left behind
}

TEST_F(IniFileWindows, ReplacedFileKeepsItsAttributesAndAccess)
{
    const auto file = folder_.NewFile("[S]\r\nk=1\r\n");
    PSECURITY_DESCRIPTOR everyone = nullptr;
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;FA;;;WD)", SDDL_REVISION_1, &everyone,
                                                                     nullptr));
    ASSERT_TRUE(SetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, everyone));
    LocalFree(everyone);
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), kept));
    const std::wstring access = AccessOf(file);
    ASSERT_NE(access, AccessOf(folder_.NewFile("")));  // not what any new file gets

    ASSERT_TRUE(WriteString(file, "S", "k", "2"));
    EXPECT_EQ(ReadString(file, "S", "k"), "2");
    EXPECT_EQ(GetFileAttributesW(file.c_str()) & kept, kept);
    EXPECT_EQ(AccessOf(file), access);
}

TEST_F(IniFileWindows, ReadOnlyFileIsNotReplaced)
{
    const auto file = folder_.NewFile("[S]\r\nk=1\r\n");
    ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(WriteString(file, "S", "k", "2"));
    EXPECT_EQ(ReadString(file, "S", "k"), "1");
    SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(EntriesInFolder(), 1);
}

TEST_F(IniFileWindows, MissingFolderFailsLikeThePlatform)
{
    const auto file = folder_.Path() / "missing" / "Wavorin.ini";
    EXPECT_FALSE(WriteString(file, "S", "k", "1"));
    EXPECT_FALSE(PlatformWriteString(file, "S", "k", "1"));
    EXPECT_FALSE(std::filesystem::exists(file.parent_path()));
}

TEST(SettingsDialogSave, FailureIsToldAndTheDialogStaysOpen)
{
    CreateDirectoryW(host::kWorkDirectory, nullptr);
    const bool existed = GetFileAttributesW(host::kSettingsFile) != INVALID_FILE_ATTRIBUTES;
    const HANDLE lock = CreateFileW(host::kSettingsFile, GENERIC_READ, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);

    host::dialog::SettingsDialog dialog(host::MusicSettings{});
    ASSERT_TRUE(dialog.Create());
    std::wstring told;
    HWND owner = nullptr;
    std::thread user([&] {
        // Waits for the message as a user would, reads it and presses OK.
        HWND box = nullptr;
        for (int look = 0; look < 500 && !box; ++look) {
            box = FindWindowW(L"#32770", host::kProgramTitle);
            if (!box) Sleep(20);
        }
        if (!box) return;
        wchar_t text[512] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 512);
        told = text;
        owner = GetWindow(box, GW_OWNER);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    SendMessageW(FindWindowExW(dialog.hwnd(), nullptr, nullptr, L"設定"), BM_CLICK, 0, 0);
    user.join();
    for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);

    EXPECT_NE(told.find(L"設定を保存できませんでした。"), std::wstring::npos) << "told: " << testing::PrintToString(told);
    EXPECT_EQ(owner, dialog.hwnd());
    EXPECT_TRUE(IsWindow(dialog.hwnd()) && IsWindowVisible(dialog.hwnd()));
    CloseHandle(lock);
    if (!existed) DeleteFileW(host::kSettingsFile);
}

}  // namespace
}  // namespace wavorin::ini::oracle
