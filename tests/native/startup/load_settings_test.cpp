#include <gtest/gtest.h>

#include <map>
#include <optional>
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

TEST(LoadSettings, MusicFileIsKeptOnlyWhenItExistsAndOnlyTheFileSourceNeedsIt)
{
    const std::wstring host = L"C:\\Program Files\\Wavorin";
    struct Row {
        const char *kind, *repeat, *file;
        int bgmKind, repeatTrack;
        std::wstring bgmFile, folder;
    } rows[] = {
        {"", "", "", 0, 0, L"", host},  // no settings file
        {"2", "3", "D:\\Music\\a.mp3", 2, 3, L"D:\\Music\\a.mp3", L"D:\\Music"},
        {"2", "", "", 0, 0, L"", host},
        {"2", "", "D:\\gone.wav", 0, 0, L"", host},
        {"1", "", "D:\\gone.wav", 1, 0, L"", host},  // the CD does not need the file
        {"3", "99", "", 3, 99, L"", host},            // unknown kinds are kept
    };
    for (const Row& row : rows) {
        ScriptedSource source;
        source.values = {{ini::kKeyBgmKind, row.kind}, {ini::kKeyBgmRepeat, row.repeat}, {ini::kKeyBgmFile, row.file}};
        source.files = {L"D:\\Music\\a.mp3"};
        const MusicSettings settings = LoadSettings(source);
        EXPECT_EQ(settings.BgmKind, row.bgmKind) << row.kind << " " << row.file;
        EXPECT_EQ(settings.BgmRepeatTrack, row.repeatTrack) << row.kind << " " << row.file;
        EXPECT_EQ(settings.BgmFile, row.bgmFile) << row.kind << " " << row.file;
        EXPECT_EQ(settings.BgmFolder, row.folder) << row.kind << " " << row.file;
    }
}

TEST(WholeNumberOf, RoundsDownWithinSixteenBitsAndRefusesTheRest)
{
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"1.7", 1},       {"-0.5", -1},         {" 12 ", 12},        {"+4", 4},         {"2e1", 20},
        {".9", 0},        {"32767.9", 32767},   {"-32768", -32768},  {"", {}},          {" ", {}},
        {"abc", {}},      {"1a", {}},           {"0x10", {}},        {"inf", {}},       {"nan", {}},
        {"1e", {}},       {".", {}},            {"-", {}},           {"1..2", {}},      {"32768", {}},
        {"-32768.5", {}}, {"1e400", {}},        {"--1", {}},
    };
    for (const auto& [text, number] : rows) EXPECT_EQ(WholeNumberOf(text), number) << text;
}

TEST(FolderOf, CutsAtTheLastColonOrBackslash)
{
    const std::pair<const wchar_t*, const wchar_t*> rows[] = {
        {L"C:\\Music\\song.mp3", L"C:\\Music"}, {L"C:\\song.mp3", L"C:"},
        {L"C:song.mp3", L"C:"},                 {L"song.mp3", L""},
        {L"\\\\server\\share\\a.wav", L"\\\\server\\share"},
        {L"C:\\Music\\", L"C:\\Music"},         {L"C:\\音楽\\曲.mp3", L"C:\\音楽"},
    };
    for (const auto& [path, folder] : rows) EXPECT_EQ(FolderOf(path), folder);
}

}  // namespace
}  // namespace wavorin::host
