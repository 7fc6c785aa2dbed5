// The music player on the real multimedia library under Wine (ALSA's null device gives one
// wave device; there is no CD drive).

#include <gtest/gtest.h>
#include <windows.h>
#include <mmsystem.h>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "host/music/MusicPlayer.h"
#include "host/music/WinmmPort.h"

namespace wavorin::host {
namespace {
namespace fs = std::filesystem;

// One second of a quiet 440 Hz tone, 8 kHz mono 8-bit PCM.
void WriteWave(const fs::path& path)
{
    const std::uint32_t samples = 8000;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out << "RIFF";
    u32(36 + samples);
    out << "WAVEfmt ";
    u32(16), u16(1), u16(1), u32(8000), u32(8000), u16(1), u16(8);
    out << "data";
    u32(samples);
    for (std::uint32_t i = 0; i < samples; ++i) out.put(char(128 + ((i / 9) % 2 ? 8 : -8)));
}

// Deletes a folder and everything in it, however long its paths (the standard library's
// remove_all cannot).
void RemoveTree(const std::wstring& folder)
{
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(path);
            else DeleteFileW(path.c_str());
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    RemoveDirectoryW(folder.c_str());
}

class WinmmPortTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = fs::temp_directory_path() / L"wavorin_music_test";
        RemoveTree(LongForm(folder_));
        fs::create_directories(folder_);
    }
    void TearDown() override
    {
        player_.StopWav();
        RemoveTree(LongForm(folder_));
    }
    // The form of a path that may exceed MAX_PATH.
    static std::wstring LongForm(const fs::path& path) { return L"\\\\?\\" + path.wstring(); }

    fs::path folder_;
    WinmmPort port_;
    MusicSettings settings_;
    MusicPlayer player_{port_, settings_};
};

TEST_F(WinmmPortTest, NoCdDriveStopsThePollingAtOnce)
{
    player_.OpenCdAudio();
    player_.PollCdAudio();
    EXPECT_FALSE(player_.CdPollOk());
    EXPECT_NE(player_.MciAnswer(), L"");  // the system's error text
    player_.CloseCdAudio();
}

TEST_F(WinmmPortTest, MciAnswersAndErrorTextsComeFromTheSystem)
{
    EXPECT_EQ(player_.QueryMci(L"capability waveaudio can play"), L"true");
    const std::wstring failed = player_.QueryMci(L"status nosuchdevice mode");
    EXPECT_EQ(failed.rfind(L"Error:", 0), 0u) << std::string(failed.begin(), failed.end());
    std::wstring answer;
    EXPECT_NE(player_.SendMciCommand(L"status nosuchdevice mode", answer), 0);
    EXPECT_FALSE(answer.empty());
}

TEST_F(WinmmPortTest, WavFileLoopsAndStops)
{
    ASSERT_GT(waveOutGetNumDevs(), 0u) << "the test environment provides ALSA's null device";
    settings_.BgmFile = (folder_ / L"loop.wav").wstring();
    WriteWave(settings_.BgmFile);
    player_.PlayWav();
    EXPECT_EQ(player_.LastApiResult(), TRUE);
    player_.StopWav();
    EXPECT_EQ(player_.LastApiResult(), TRUE);
}

TEST_F(WinmmPortTest, LongPathIsReachedThroughItsShortName)
{
    fs::path deep = folder_;
    while (deep.wstring().size() < MAX_PATH + 20) {
        deep /= L"a folder with a rather long name";
        ASSERT_TRUE(CreateDirectoryW(LongForm(deep).c_str(), nullptr));
    }
    const std::wstring song = deep.wstring() + L"\\loop.wav";
    WriteWave(LongForm(song));

    const std::wstring reachable = port_.ReachablePath(song);
    EXPECT_LT(reachable.size(), std::size_t(MAX_PATH));
    EXPECT_EQ(GetFileAttributesW(reachable.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_NE(GetFileAttributesW(reachable.c_str()), INVALID_FILE_ATTRIBUTES);

    settings_.BgmFile = song;
    player_.PlayWav();
    EXPECT_EQ(player_.LastApiResult(), TRUE);
}

TEST_F(WinmmPortTest, ShortPathsAreKeptAsTheyAre)
{
    EXPECT_EQ(port_.ReachablePath(L"C:\\Music\\a.wav"), L"C:\\Music\\a.wav");
}

}  // namespace
}  // namespace wavorin::host
