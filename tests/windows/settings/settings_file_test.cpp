// The host's settings loading against the real file system and profile functions.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "common/ini/IniNames.h"
#include "host/win32/Handles.h"
#include "host/settings/SettingsFile.h"
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

}  // namespace
}  // namespace wavorin::settings
