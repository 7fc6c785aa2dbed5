// The music settings as loaded from the settings file, and the number and path rules they use.

#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "common/ini/IniNames.h"
#include "host/settings/SettingsLoader.h"

namespace wavorin::settings {
namespace {

// A settings file and a file system made of tables.
class ScriptedSource final : public SettingsSource {
public:
    std::map<std::string, std::string, std::less<>> values;
    std::string ReadIni(std::string_view key) const override { return values.contains(key) ? values.find(key)->second : ""; }
    std::wstring DecodeText(std::string_view bytes) const override { return {bytes.begin(), bytes.end()}; }
    bool FileExists(const std::wstring& path) const override { return path == L"D:\\Music\\a.mp3"; }
    std::wstring HostFolder() const override { return L"C:\\Wavorin"; }
};

TEST(LoadSettings, MusicFileIsKeptOnlyWhenItExistsAndOnlyTheFileSourceNeedsIt)
{
    const struct {
        const char *kind, *repeat, *file;
        MusicSettings expected;
    } rows[] = {
        {"", "", "", {MusicSource(0), 0, L"", L"C:\\Wavorin"}},  // no settings file
        {"2", "3.9", "D:\\Music\\a.mp3", {MusicSource(2), 3, L"D:\\Music\\a.mp3", L"D:\\Music"}},
        {"2", "", "D:\\gone.wav", {MusicSource(0), 0, L"", L"C:\\Wavorin"}},
        {"1", "", "D:\\gone.wav", {MusicSource(1), 0, L"", L"C:\\Wavorin"}},  // the CD does not need the file
        {"3", "99", "", {MusicSource(3), 99, L"", L"C:\\Wavorin"}},            // unknown sources are kept
    };
    for (const auto& [kind, repeat, file, expected] : rows) {
        ScriptedSource source;
        source.values = {{ini::kKeyMusicSource, kind}, {ini::kKeyRepeatTrack, repeat}, {ini::kKeyMusicFile, file}};
        const auto fields = [](const MusicSettings& s) { return std::tie(s.source, s.repeatTrack, s.file, s.chooserFolder); };
        EXPECT_EQ(fields(LoadSettings(source)), fields(expected)) << kind << " " << file;
    }
}

TEST(WholeNumberOf, RoundsDownWithinSixteenBitsAndRefusesTheRest)
{
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"1.7", 1},  {"-0.5", -1}, {" 12 ", 12}, {"+4", 4},   {"2e1", 20},    {"2E1", 20},    {".9", 0},      {"32767.9", 32767}, {"-32768", -32768},
        {" ", {}},   {"inf", {}},  {"0x10", {}}, {"1e", {}},  {".", {}},      {"32768", {}},  {"-32768.5", {}},   {"1e400", {}}, {"--1", {}},
    };
    for (const auto& [text, number] : rows) EXPECT_EQ(WholeNumberOf(text), number) << text;
}

TEST(FolderOf, CutsAtTheLastColonOrBackslash)
{
    const std::pair<const wchar_t*, const wchar_t*> rows[] = {
        {L"C:\\song.mp3", L"C:"}, {L"C:song.mp3", L"C:"}, {L"song.mp3", L""}, {L"\\\\server\\share\\a.wav", L"\\\\server\\share"}, {L"C:\\Music\\", L"C:\\Music"},
    };
    for (const auto& [path, folder] : rows) EXPECT_EQ(FolderOf(path), folder);
}

}  // namespace
}  // namespace wavorin::settings
