// The host's settings loading against the real file system and profile functions.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "common/ini/IniNames.h"
#include "host/win32/Handles.h"
#include "host/win32/SettingsFile.h"
#include "host/win32/Text.h"

namespace wavorin::host {
namespace {
namespace fs = std::filesystem;

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / L"wavorin_settings_test";
        fs::remove_all(folder_);
        fs::create_directories(folder_);
        ini_ = (folder_ / L"Wavorin.ini").wstring();
    }
    void TearDown() override { fs::remove_all(folder_); }

    // Written with the platform's own function, as another writer would have left it.
    void Store(std::string_view key, const std::wstring& value)
    {
        ASSERT_TRUE(WritePrivateProfileStringA(ini::kSection, std::string(key).c_str(),
                                               win32::WideToAnsi(value).c_str(), win32::WideToAnsi(ini_).c_str()));
    }
    fs::path MakeFile(const std::wstring& name)
    {
        const fs::path path = folder_ / name;
        std::ofstream(path) << "RIFF";
        return path;
    }

    fs::path folder_;
    std::wstring ini_;
};

TEST_F(SettingsFileTest, MusicFileIsFoundAgainThroughTheAnsiCodePage)
{
    ASSERT_EQ(GetACP(), 932u) << "the tests run Wine in the Japanese locale";
    const fs::path song = MakeFile(L"曲ﾃｽﾄ.wav");
    Store(ini::kKeyBgmKind, L"2");
    Store(ini::kKeyBgmFile, song.wstring());

    const MusicSettings settings = LoadSettings(SettingsFileSource(ini_));
    EXPECT_EQ(settings.BgmKind, 2);
    EXPECT_EQ(settings.BgmFile, song.wstring());
    EXPECT_EQ(settings.BgmFolder, folder_.wstring());
}

TEST_F(SettingsFileTest, FolderInsteadOfAFileIsCleared)
{
    fs::create_directories(folder_ / L"music");
    for (const std::wstring& path : {(folder_ / L"music").wstring(), (folder_ / L"music").wstring() + L"\\"}) {
        Store(ini::kKeyBgmKind, L"2");
        Store(ini::kKeyBgmFile, path);
        const MusicSettings settings = LoadSettings(SettingsFileSource(ini_));
        EXPECT_EQ(settings.BgmFile, L"");
        EXPECT_EQ(settings.BgmKind, 0);
    }
}

TEST_F(SettingsFileTest, LockedSettingsFileGivesTheDefaults)
{
    Store(ini::kKeyBgmKind, L"1");
    Store(ini::kKeyBgmRepeat, L"5");
    const win32::UniqueFile lock(
        CreateFileW(ini_.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);

    const MusicSettings settings = LoadSettings(SettingsFileSource(ini_));
    EXPECT_EQ(settings.BgmKind, 0);
    EXPECT_EQ(settings.BgmRepeatTrack, 0);
    EXPECT_FALSE(WriteIni(ini::kSection, ini::kKeyWidth, "1280", ini_));
}

TEST_F(SettingsFileTest, WriteIniIsReadBackByTheProfileFunctions)
{
    ASSERT_TRUE(WriteIni(ini::kSection, ini::kKeyWidth, "1280", ini_));
    ASSERT_TRUE(WriteIni(ini::kSection, ini::kKeyHeight, "1024", ini_));
    ASSERT_TRUE(WriteIni(ini::kSection, ini::kKeyBgmKind, "2", ini_));
    const std::string file = win32::WideToAnsi(ini_);
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Width", 0, file.c_str()), 1280u);
    EXPECT_EQ(GetPrivateProfileIntA("Section", "Height", 0, file.c_str()), 1024u);
    EXPECT_EQ(GetPrivateProfileIntA("Section", std::string(ini::kKeyBgmKind).c_str(), 0, file.c_str()), 2u);
    EXPECT_FALSE(WriteIni(ini::kSection, ini::kKeyWidth, "1", (folder_ / L"missing" / L"Wavorin.ini").wstring()));
}

TEST_F(SettingsFileTest, FileExistsOnlyForReadableFiles)
{
    const fs::path file = MakeFile(L"a.mp3");
    EXPECT_TRUE(FileExists(file.wstring()));
    EXPECT_TRUE(FileExists(file.wstring() + L"\\"));  // one trailing backslash is ignored
    EXPECT_FALSE(FileExists(folder_.wstring()));
    EXPECT_FALSE(FileExists(folder_.wstring() + L"\\"));
    EXPECT_FALSE(FileExists((folder_ / L"missing.mp3").wstring()));
    EXPECT_FALSE(FileExists(L""));
    EXPECT_FALSE(FileExists(L"NUL"));
    EXPECT_FALSE(FileExists(L"C:\\bad|name?.mp3"));

    const win32::UniqueFile lock(
        CreateFileW(file.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    ASSERT_TRUE(lock);
    EXPECT_FALSE(FileExists(file.wstring()));  // locked against reading
}

}  // namespace
}  // namespace wavorin::host
