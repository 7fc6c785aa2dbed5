#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "common/ini/IniNames.h"
#include "host/startup/Settings.h"

namespace wavorin::host {
namespace {

// A settings file and a file system made of tables.
class ScriptedSource final : public SettingsSource {
public:
    std::map<std::string, std::string, std::less<>> values;
    std::set<std::wstring> files;

    std::string ReadIni(std::string_view key) const override
    {
        const auto found = values.find(key);
        return found == values.end() ? std::string() : found->second;
    }
    std::wstring DecodeText(std::string_view bytes) const override { return {bytes.begin(), bytes.end()}; }
    bool FileExists(const std::wstring& path) const override { return files.count(path) > 0; }
    std::wstring HostFolder() const override { return L"C:\\Program Files\\Wavorin"; }
};

TEST(LoadSettings, NoSettingsFileGivesNoMusicAndTheHostFolder)
{
    const MusicSettings settings = LoadSettings(ScriptedSource{});
    EXPECT_EQ(settings.BgmKind, 0);
    EXPECT_EQ(settings.BgmRepeatTrack, 0);
    EXPECT_EQ(settings.BgmFile, L"");
    EXPECT_EQ(settings.BgmFolder, L"C:\\Program Files\\Wavorin");
}

TEST(LoadSettings, MusicFileThatExistsIsKeptWithItsFolder)
{
    ScriptedSource source;
    source.values = {{ini::kKeyBgmKind, "2"}, {ini::kKeyBgmRepeat, "3"}, {ini::kKeyBgmFile, "D:\\Music\\a.mp3"}};
    source.files = {L"D:\\Music\\a.mp3"};
    const MusicSettings settings = LoadSettings(source);
    EXPECT_EQ(settings.BgmKind, 2);
    EXPECT_EQ(settings.BgmRepeatTrack, 3);
    EXPECT_EQ(settings.BgmFile, L"D:\\Music\\a.mp3");
    EXPECT_EQ(settings.BgmFolder, L"D:\\Music");
}

TEST(LoadSettings, MusicFileSourceWithoutAFileFallsBackToNone)
{
    ScriptedSource empty;
    empty.values = {{ini::kKeyBgmKind, "2"}};
    EXPECT_EQ(LoadSettings(empty).BgmKind, 0);

    ScriptedSource missing;
    missing.values = {{ini::kKeyBgmKind, "2"}, {ini::kKeyBgmFile, "D:\\gone.wav"}};
    const MusicSettings settings = LoadSettings(missing);
    EXPECT_EQ(settings.BgmKind, 0);
    EXPECT_EQ(settings.BgmFile, L"");
    EXPECT_EQ(settings.BgmFolder, L"C:\\Program Files\\Wavorin");
}

TEST(LoadSettings, AudioCdSurvivesAMissingMusicFile)
{
    ScriptedSource source;
    source.values = {{ini::kKeyBgmKind, "1"}, {ini::kKeyBgmFile, "D:\\gone.wav"}};
    const MusicSettings settings = LoadSettings(source);
    EXPECT_EQ(settings.BgmKind, 1);
    EXPECT_EQ(settings.BgmFile, L"");
}

TEST(LoadSettings, KindsOutsideTheKnownOnesAreKept)
{
    ScriptedSource source;
    source.values = {{ini::kKeyBgmKind, "3"}, {ini::kKeyBgmRepeat, "99"}};
    const MusicSettings settings = LoadSettings(source);
    EXPECT_EQ(settings.BgmKind, 3);
    EXPECT_EQ(settings.BgmRepeatTrack, 99);
}

TEST(WholeNumberOf, RoundsDownWithinSixteenBits)
{
    EXPECT_EQ(WholeNumberOf("1.7"), 1);
    EXPECT_EQ(WholeNumberOf("-0.5"), -1);
    EXPECT_EQ(WholeNumberOf(" 12 "), 12);
    EXPECT_EQ(WholeNumberOf("+4"), 4);
    EXPECT_EQ(WholeNumberOf("2e1"), 20);
    EXPECT_EQ(WholeNumberOf(".9"), 0);
    EXPECT_EQ(WholeNumberOf("32767"), 32767);
    EXPECT_EQ(WholeNumberOf("32767.9"), 32767);
    EXPECT_EQ(WholeNumberOf("-32768"), -32768);
}

TEST(WholeNumberOf, RefusesWhatIsNotANumberOrDoesNotFit)
{
    for (const char* text : {"", " ", "abc", "1a", "0x10", "inf", "nan", "1e", ".", "-", "1..2", "32768", "-32768.5",
                             "1e400", "--1"}) {
        EXPECT_EQ(WholeNumberOf(text), std::nullopt) << text;
    }
}

TEST(FolderOf, CutsAtTheLastColonOrBackslash)
{
    EXPECT_EQ(FolderOf(L"C:\\Music\\song.mp3"), L"C:\\Music");
    EXPECT_EQ(FolderOf(L"C:\\song.mp3"), L"C:");
    EXPECT_EQ(FolderOf(L"C:song.mp3"), L"C:");
    EXPECT_EQ(FolderOf(L"song.mp3"), L"");
    EXPECT_EQ(FolderOf(L"\\\\server\\share\\a.wav"), L"\\\\server\\share");
    EXPECT_EQ(FolderOf(L"C:\\Music\\"), L"C:\\Music");
    EXPECT_EQ(FolderOf(L"C:\\音楽\\曲.mp3"), L"C:\\音楽");
}

}  // namespace
}  // namespace wavorin::host
