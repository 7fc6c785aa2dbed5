// What the host reads at its start: the switches and the music settings.

#include <gtest/gtest.h>

#include <limits>
#include <map>
#include <tuple>

#include "common/ini/IniNames.h"
#include "host/startup/CommandLine.h"
#include "host/startup/Settings.h"

namespace wavorin::host {
namespace {

TEST(CommandLine, ModeByTheSecondCharacterInAnyCaseAndThePreviewPane)
{
    const std::pair<const wchar_t*, StartMode> rows[] = {
        {L"/s", StartMode::Screensaver},   {L"-S", StartMode::Screensaver},  {L"/c:1234", StartMode::Settings},
        {L"/P:1234", StartMode::Preview},  {L"xs", StartMode::Screensaver},  {L"", StartMode::ScreensaverVisibleCursor},
        {L"/", StartMode::Other},          {L"/x", StartMode::Other},        {L" /s", StartMode::Other},
    };
    for (const auto& [text, mode] : rows) EXPECT_EQ(ModeOf(text), mode) << testing::PrintToString(std::wstring(text));

    // The preview pane's handle: decimal, rounded halves to even, 0 for no number or none that fits.
    const std::wstring max = std::to_wstring(std::numeric_limits<std::intptr_t>::max());
    const std::wstring min = std::to_wstring(std::numeric_limits<std::intptr_t>::min());
    const std::pair<std::wstring, std::intptr_t> handles[] = {
        {L"/p 1234", 1234}, {L"/p:1234", 1234}, {L"/p \t65554 trailing", 65554}, {L"/p", 0}, {L"/p window", 0},
        {L"/p -", 0},       {L"/p .", 0},       {L"/p 12.4", 12},                {L"/p 12.6", 13}, {L"/p 12.5", 12},
        {L"/p 13.5", 14},   {L"/p 12.50001", 13}, {L"/p -7", -7},                {L"/p " + max, std::numeric_limits<std::intptr_t>::max()},
        {L"/p " + min, std::numeric_limits<std::intptr_t>::min()},  {L"/p " + max + L"0", 0}, {L"/p " + max + L".7", 0},
    };
    for (const auto& [text, handle] : handles) EXPECT_EQ(PreviewParentOf(text), handle) << testing::PrintToString(text);
}

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
        {"", "", "", {0, 0, L"", L"C:\\Wavorin"}},  // no settings file
        {"2", "3.9", "D:\\Music\\a.mp3", {2, 3, L"D:\\Music\\a.mp3", L"D:\\Music"}},
        {"2", "x", "", {0, 0, L"", L"C:\\Wavorin"}},
        {"2", "", "D:\\gone.wav", {0, 0, L"", L"C:\\Wavorin"}},
        {"1", "", "D:\\gone.wav", {1, 0, L"", L"C:\\Wavorin"}},  // the CD does not need the file
        {"3", "99", "", {3, 99, L"", L"C:\\Wavorin"}},            // unknown kinds are kept
    };
    for (const auto& [kind, repeat, file, expected] : rows) {
        ScriptedSource source;
        source.values = {{ini::kKeyBgmKind, kind}, {ini::kKeyBgmRepeat, repeat}, {ini::kKeyBgmFile, file}};
        const auto fields = [](const MusicSettings& s) { return std::tie(s.BgmKind, s.BgmRepeatTrack, s.BgmFile, s.BgmFolder); };
        EXPECT_EQ(fields(LoadSettings(source)), fields(expected)) << kind << " " << file;
    }
}

TEST(WholeNumberOf, RoundsDownWithinSixteenBitsAndRefusesTheRest)
{
    const std::pair<const char*, std::optional<int>> rows[] = {
        {"1.7", 1},    {"-0.5", -1},      {" 12 ", 12},     {"+4", 4},  {"2e1", 20},   {".9", 0},     {"32767.9", 32767},
        {"-32768", -32768}, {"", {}},     {" ", {}},        {"abc", {}}, {"1a", {}},   {"0x10", {}},  {"inf", {}},
        {"nan", {}},   {"1e", {}},        {".", {}},        {"-", {}},  {"1..2", {}},  {"32768", {}}, {"-32768.5", {}},
        {"1e400", {}}, {"--1", {}},
    };
    for (const auto& [text, number] : rows) EXPECT_EQ(WholeNumberOf(text), number) << text;
}

TEST(FolderOf, CutsAtTheLastColonOrBackslash)
{
    const std::pair<const wchar_t*, const wchar_t*> rows[] = {
        {L"C:\\Music\\song.mp3", L"C:\\Music"}, {L"C:\\song.mp3", L"C:"}, {L"C:song.mp3", L"C:"}, {L"song.mp3", L""},
        {L"\\\\server\\share\\a.wav", L"\\\\server\\share"}, {L"C:\\Music\\", L"C:\\Music"},
    };
    for (const auto& [path, folder] : rows) EXPECT_EQ(FolderOf(path), folder);
}

}  // namespace
}  // namespace wavorin::host
