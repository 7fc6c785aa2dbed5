// The host's settings loading and its files in the shared work folder, against the real file
// system, access lists and profile functions.

#include <gtest/gtest.h>
#include <windows.h>
#include <sddl.h>

#include <filesystem>
#include <fstream>

#include "common/files/HeldFolder.h"
#include "common/ini/IniNames.h"
#include "host/settings/SettingsFile.h"
#include "host/win32/Handles.h"
#include "host/win32/PrivateFile.h"
#include "host/win32/Text.h"

namespace wavorin::settings {
namespace {
namespace fs = std::filesystem;

// A music file named in code page 932, written by the platform's own profile function as
// another writer would have left it, is found again.
TEST(SettingsFile, MusicFileIsFoundAgainThroughTheAnsiCodePage)
{
    ASSERT_EQ(GetACP(), 932u) << "the tests run Wine in the Japanese locale";
    const fs::path folder = fs::temp_directory_path() / L"wavorin_settings_test", song = folder / L"曲ﾃｽﾄ.wav";
    const std::string ini = win32::WideToAnsi((folder / L"Wavorin.ini").wstring());
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::ofstream(song) << "RIFF";
    WritePrivateProfileStringA(ini::kSection, ini::kKeyMusicSource, "2", ini.c_str());
    WritePrivateProfileStringA(ini::kSection, ini::kKeyMusicFile, win32::WideToAnsi(song.wstring()).c_str(), ini.c_str());
    const MusicSettings found = LoadSettings(SettingsFileSource(win32::AnsiToWide(ini)));
    EXPECT_EQ(std::tuple(found.source, found.file, found.chooserFolder), std::tuple(MusicSource::File, song.wstring(), folder.wstring()));

    // Only a file that can be read now counts.
    const std::pair<std::wstring, bool> rows[] = {
        {song.wstring(), true}, {song.wstring() + L"\\", true}, {folder.wstring(), false}, {L"", false}, {L"NUL", false}};
    for (const auto& [path, exists] : rows) EXPECT_EQ(FileExists(path), exists) << testing::PrintToString(path);
    {
        const win32::UniqueFile lock(CreateFileW(song.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        EXPECT_FALSE(FileExists(song.wstring()));
    }
    fs::remove_all(folder);
}

// Both ways under the Japanese code page and under UTF-8 (Windows' UTF-8 option), each named
// explicitly, since Wine takes its code page from the locale. Bytes worked out by hand.
TEST(SettingsFile, TextConvertsUnderTheJapaneseAndTheUtf8CodePage)
{
    const struct {
        unsigned codePage;
        std::wstring text;
        std::string bytes;
        bool lossless;
    } rows[] = {{932, L"C:\\曲ﾃｽﾄ.mp3", "C:\\\x8B\xC8\xC3\xBD\xC4.mp3", true},
                {65001, L"C:\\曲ﾃｽﾄ.mp3", "C:\\\xE6\x9B\xB2\xEF\xBE\x83\xEF\xBD\xBD\xEF\xBE\x84.mp3", true},
                {932, L"노래", "??", false},
                {932, L"\u00A5", "\\", false},  // the yen sign's best fit, a backslash: no default character used
                {65001, L"a\xD800", "a\xEF\xBF\xBD", false}};  // a lone surrogate has no UTF-8 form
    for (const auto& row : rows) {
        bool lossless = !row.lossless;
        EXPECT_EQ(std::pair(win32::WideToAnsi(row.text, &lossless, row.codePage), lossless), std::pair(row.bytes, row.lossless))
            << row.codePage << " " << testing::PrintToString(row.text);
        if (row.lossless) {
            EXPECT_EQ(win32::AnsiToWide(row.bytes, row.codePage), row.text) << row.codePage;
        }
    }
}

std::string BytesOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// A settings file with another name elsewhere (a hard link another account made to a file
// of ours) is neither written nor replaced: its bytes would be read into a file of the
// folder, open to all; nothing new is left in the folder. Its own file is written.
TEST(WorkFolder, SettingsFileThatIsNotItsOwnIsLeftAlone)
{
    const fs::path folder = fs::temp_directory_path() / L"wavorin_work_folder_test", ini = folder / L"Wavorin.ini",
                   elsewhere = fs::temp_directory_path() / L"wavorin_elsewhere.ini";
    fs::remove_all(folder), fs::create_directories(folder);
    std::ofstream(elsewhere, std::ios::binary) << "[Section]\r\nSecret=1\r\n";
    ASSERT_TRUE(CreateHardLinkW(ini.c_str(), elsewhere.c_str(), nullptr));
    EXPECT_FALSE(WriteIni(ini::kSection, ini::kKeyWidth, "800", ini.wstring()));
    EXPECT_EQ(BytesOf(elsewhere), "[Section]\r\nSecret=1\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);

    fs::remove(ini);
    EXPECT_TRUE(WriteIni(ini::kSection, ini::kKeyWidth, "800", ini.wstring()));
    EXPECT_EQ(GetPrivateProfileIntW(L"Section", L"Width", 0, ini.c_str()), 800u);
    fs::remove_all(folder), fs::remove(elsewhere);
}

// While held, nobody can rename or delete the folder (the platform refuses with a sharing
// violation); a folder that is not there is not held.
TEST(WorkFolder, HeldFolderCannotBeMovedAway)
{
    const fs::path folder = fs::temp_directory_path() / L"wavorin_held", moved = folder.wstring() + L"_moved";
    fs::remove_all(folder), fs::remove_all(moved), fs::create_directories(folder);
    {
        const files::HeldFolder held(folder.c_str());
        ASSERT_TRUE(held);
        EXPECT_FALSE(MoveFileW(folder.c_str(), moved.c_str()));
        EXPECT_EQ(GetLastError(), DWORD(ERROR_SHARING_VIOLATION));
        EXPECT_FALSE(RemoveDirectoryW(folder.c_str()));
    }
    EXPECT_TRUE(MoveFileW(folder.c_str(), moved.c_str()));
    EXPECT_FALSE(files::HeldFolder(folder.c_str()));
    fs::remove_all(moved);
}

// The access list a snapshot file is created with, as the platform writes it out: all for
// this user and SYSTEM; for any signed-in account delete, synchronize and read attributes
// (0x10000 | 0x100000 | 0x80), no read; protected from the folder's (P). Wine keeps no list
// of a file's own, so it is read here before it reaches the platform's create.
TEST(WorkFolder, SnapshotFilesAreReplaceableButUnreadableByOtherAccounts)
{
    HANDLE token = nullptr;
    ASSERT_TRUE(OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &token));
    const win32::UniqueHandle tokenOwner(token);
    std::aligned_storage_t<sizeof(TOKEN_USER) + SECURITY_MAX_SID_SIZE> user{};
    DWORD size = sizeof user;
    ASSERT_TRUE(GetTokenInformation(token, TokenUser, &user, size, &size));
    wchar_t* userSid = nullptr;
    ASSERT_TRUE(ConvertSidToStringSidW(reinterpret_cast<TOKEN_USER*>(&user)->User.Sid, &userSid));
    const std::wstring expected = L"D:P(A;;FA;;;" + std::wstring(userSid) + L")(A;;FA;;;SY)(A;;0x110080;;;AU)";
    LocalFree(userSid);

    win32::PrivateFileSecurity security;
    ASSERT_NE(security.Attributes(), nullptr);
    wchar_t* text = nullptr;
    ASSERT_TRUE(ConvertSecurityDescriptorToStringSecurityDescriptorW(security.Attributes()->lpSecurityDescriptor, SDDL_REVISION_1,
                                                                     DACL_SECURITY_INFORMATION, &text, nullptr));
    EXPECT_EQ(std::wstring(text), expected);
    LocalFree(text);
}

}  // namespace
}  // namespace wavorin::settings
