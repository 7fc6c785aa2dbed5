// The music player on the real multimedia library under Wine (ALSA's null device gives one
// wave device): answers from MCI, and a WAV file reached from a path too long for the devices.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>

#include "host/music/MusicPlayer.h"
#include "host/music/WinmmPort.h"

namespace wavorin::music {
namespace {

TEST(WinmmPort, AnswersFromTheSystemAndReachesAWavBeyondMaxPath)
{
    // Only the long-path form reaches folders beyond MAX_PATH.
    const std::wstring top = L"\\\\?\\" + (std::filesystem::temp_directory_path() / L"wavorin_music_test").wstring();
    std::wstring deep = top;
    while (deep.size() < MAX_PATH + 20) deep += L"\\a folder with a rather long name";
    std::filesystem::create_directories(deep);
    // 800 samples of silence: 8 kHz mono 8-bit PCM.
    std::ofstream(std::filesystem::path(deep + L"\\loop.wav"), std::ios::binary)
        << std::string("RIFF\x44\x03\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0data\x20\x03\0\0", 44)
        << std::string(800, '\x80');
    const std::wstring song = deep.substr(4) + L"\\loop.wav";

    WinmmPort port;
    settings::MusicSettings settings{settings::MusicSource::File, 0, song, L""};
    MusicPlayer player(port, settings);
    EXPECT_EQ(player.QueryMci(L"capability waveaudio can play"), L"true");
    EXPECT_EQ(player.QueryMci(L"status nosuchdevice mode").rfind(L"Error:", 0), 0u);
    const std::wstring reachable = port.ReachablePath(song);
    EXPECT_LT(reachable.size(), std::size_t(MAX_PATH));
    EXPECT_EQ(GetFileAttributesW(reachable.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u) << "the file, by its short name";
    // The standard library cannot remove folders this deep: one level at a time.
    DeleteFileW((deep + L"\\loop.wav").c_str());
    for (; deep.size() >= top.size(); deep.resize(deep.rfind(L'\\'))) RemoveDirectoryW(deep.c_str());
}

}  // namespace
}  // namespace wavorin::music
