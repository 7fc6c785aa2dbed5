// Replacing the settings file on Windows: a first write moves the new file in, a
// replacement keeps the old file's attributes and access list, another program holding the
// file is waited for a while, and a replacement that fails leaves no file of ours behind.
// Also what the settings dialog does when its file cannot be written.

#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "common/ini/FileBytes.h"
#include "common/ini/IniFile.h"
#include "host/dialog/SettingsDialog.h"
#include "host/startup/Titles.h"
#include "host/win32/SettingsFile.h"

namespace wavorin::ini {
namespace {

namespace fs = std::filesystem;

class IniReplace : public testing::Test {
protected:
    void SetUp() override { fs::create_directories(folder_); }
    void TearDown() override
    {
        SetFileAttributesW(file_.c_str(), FILE_ATTRIBUTE_NORMAL);
        fs::remove_all(folder_);
    }
    // The file is alone in its folder: no temporary file was left behind.
    void ExpectAlone() const { EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1); }
    // Opened as another program reading it would: reading and writing shared, deleting not.
    HANDLE Hold() const
    {
        return CreateFileW(file_.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    }
    static std::vector<unsigned char> AccessOf(const fs::path& file)
    {
        DWORD needed = 0;
        GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
        std::vector<unsigned char> descriptor(needed);
        if (needed) GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed, &needed);
        return descriptor;
    }

    const fs::path folder_ = fs::temp_directory_path() / ("wavorin_ini_replace_" + std::to_string(GetCurrentProcessId()));
    const fs::path file_ = folder_ / "Wavorin.ini";
};

TEST_F(IniReplace, FirstWriteThenReplacementKeepingAttributesAndAccess)
{
    ASSERT_TRUE(WriteString(file_, "S", "k", "1"));
    ExpectAlone();
    const std::vector<unsigned char> fresh = AccessOf(file_);
    PSECURITY_DESCRIPTOR everyone = nullptr;  // full access for everyone: no new file gets that
    ASSERT_TRUE(ConvertStringSecurityDescriptorToSecurityDescriptorW(L"D:(A;;FA;;;WD)", SDDL_REVISION_1, &everyone,
                                                                     nullptr));
    ASSERT_TRUE(SetFileSecurityW(file_.c_str(), DACL_SECURITY_INFORMATION, everyone));
    LocalFree(everyone);
    const std::vector<unsigned char> access = AccessOf(file_);
    ASSERT_NE(access, fresh);
    const DWORD kept = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    ASSERT_TRUE(SetFileAttributesW(file_.c_str(), kept));

    ASSERT_TRUE(WriteString(file_, "S", "k", "2"));
    EXPECT_EQ(ReadString(file_, "S", "k"), "2");
    EXPECT_EQ(GetFileAttributesW(file_.c_str()) & kept, kept);
    EXPECT_EQ(AccessOf(file_), access);
    ExpectAlone();
}

TEST_F(IniReplace, WaitsForAProgramThatHoldsTheFileThenGivesUp)
{
    ASSERT_TRUE(WriteString(file_, "S", "k", "1"));
    HANDLE holder = Hold();
    int pauses = 0;
    EXPECT_TRUE(ReplaceFileAtomically(file_, "[S]\r\nk=2\r\n", [&] {
        if (++pauses == 2) CloseHandle(holder);  // let go during the second pause
    }));
    EXPECT_EQ(pauses, 2);
    EXPECT_EQ(ReadString(file_, "S", "k"), "2");

    holder = Hold();
    pauses = 0;
    EXPECT_FALSE(ReplaceFileAtomically(file_, "[S]\r\nk=3\r\n", [&] { ++pauses; }));
    EXPECT_EQ(pauses, kReplaceAttempts - 1);
    CloseHandle(holder);
    EXPECT_EQ(ReadString(file_, "S", "k"), "2");
    ExpectAlone();
    // Held without sharing: it reads as missing and is not written.
    const HANDLE locked = CreateFileW(file_.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(locked, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadInt(file_, "S", "k", 7), 7);
    EXPECT_FALSE(WriteString(file_, "S", "k", "4"));
    CloseHandle(locked);
    EXPECT_EQ(ReadString(file_, "S", "k"), "2");
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
    std::thread user([&] {  // waits for the message as a user would, reads it and presses OK
        HWND box = nullptr;
        for (int look = 0; look < 500 && !(box = FindWindowW(L"#32770", host::kProgramTitle)); ++look) Sleep(20);
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
    EXPECT_NE(told.find(L"設定を保存できませんでした。"), std::wstring::npos) << testing::PrintToString(told);
    EXPECT_EQ(owner, dialog.hwnd());
    EXPECT_TRUE(IsWindow(dialog.hwnd()) && IsWindowVisible(dialog.hwnd()));
    CloseHandle(lock);
    if (!existed) DeleteFileW(host::kSettingsFile);
}

}  // namespace
}  // namespace wavorin::ini
