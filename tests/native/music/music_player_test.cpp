// The music player's command sequences, and the run's music calls, against a device whose
// answers are scripted.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "host/music/MusicPlayer.h"
#include "host/run/RunMusic.h"

namespace wavorin::host {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class ScriptedPort final : public MusicPort {
public:
    std::map<std::wstring, MciReply> replies;  // unlisted commands succeed with no answer
    std::map<std::uint32_t, std::wstring> errorTexts;
    std::uint32_t waveDevices = 1;
    bool soundResult = true;

    std::vector<std::wstring> sent;                 // every command, in order
    std::vector<std::uint32_t> answerLengths;       // the buffer length of each
    std::vector<std::optional<std::wstring>> sounds;

    MciReply SendString(std::wstring_view command, std::uint32_t answerLength) override
    {
        sent.emplace_back(command);
        answerLengths.push_back(answerLength);
        const auto found = replies.find(std::wstring(command));
        return found == replies.end() ? MciReply{} : found->second;
    }
    std::optional<std::wstring> ErrorText(std::uint32_t code, std::uint32_t length) override
    {
        EXPECT_EQ(length, 256u);
        const auto found = errorTexts.find(code);
        if (found == errorTexts.end()) return std::nullopt;
        return found->second;
    }
    std::uint32_t WaveOutDeviceCount() override { return waveDevices; }
    bool PlayLoopingSound(const std::optional<std::wstring>& file) override
    {
        sounds.push_back(file);
        return soundResult;
    }
    std::wstring ReachablePath(const std::wstring& path) override
    {
        return path.size() > 20 ? L"C:\\LONGPA~1\\SONG~1.MP3" : path;
    }

    // A disc with `tracks` tracks, at `current`, in `mode`.
    void Disc(int current, int tracks, const wchar_t* mode)
    {
        replies[L"status cdaudio current track"] = {0, std::to_wstring(current)};
        replies[L"status cdaudio number of tracks"] = {0, std::to_wstring(tracks)};
        replies[L"status cdaudio mode"] = {0, mode};
        for (int track = 1; track <= tracks; ++track) {
            replies[L"status cdaudio position track " + std::to_wstring(track)] = {0, std::to_wstring(track) + L":00:00:00"};
        }
    }
};

constexpr std::uint32_t kNoDisc = 256 + 21;  // an MCI error code

class MusicPlayerTest : public ::testing::Test {
protected:
    ScriptedPort port;
    MusicSettings settings;
    MusicPlayer player{port, settings};
};

TEST_F(MusicPlayerTest, CdPollWithoutADiscFailsAfterTheFirstQuery)
{
    port.replies[L"status cdaudio current track"] = {kNoDisc, L""};
    port.errorTexts[kNoDisc] = L"no disc";
    player.PollCdAudio();
    EXPECT_FALSE(player.CdPollOk());
    EXPECT_THAT(port.sent, ElementsAre(L"status cdaudio current track"));
    EXPECT_EQ(player.MciAnswer(), L"no disc");
}

TEST_F(MusicPlayerTest, CdPollWithAnUnreadableDiscFailsAtTheTrackCount)
{
    port.Disc(1, 5, L"stopped");
    port.replies[L"status cdaudio number of tracks"] = {kNoDisc, L""};
    player.PollCdAudio();
    EXPECT_FALSE(player.CdPollOk());
    EXPECT_EQ(port.sent.size(), 2u);
}

TEST_F(MusicPlayerTest, CdPollStartsAStoppedDiscFromWhereItIs)
{
    port.Disc(1, 5, L"stopped");
    player.PollCdAudio();
    EXPECT_TRUE(player.CdPollOk());
    EXPECT_THAT(port.sent, ElementsAre(L"status cdaudio current track", L"status cdaudio number of tracks",
                                       L"status cdaudio mode", L"play cdaudio"));
    EXPECT_THAT(port.answerLengths, ElementsAre(512u, 512u, 255u, 512u));
}

TEST_F(MusicPlayerTest, CdPollLeavesAPlayingDiscAloneWithoutARepeatTrack)
{
    port.Disc(2, 5, L"playing");
    player.PollCdAudio();
    EXPECT_TRUE(player.CdPollOk());
    EXPECT_EQ(port.sent.back(), L"status cdaudio mode");
}

TEST_F(MusicPlayerTest, CdPollJumpsToTheRepeatTrackWhenAnotherOneIsPlaying)
{
    settings.BgmRepeatTrack = 3;
    port.Disc(2, 5, L"playing");
    player.PollCdAudio();
    EXPECT_TRUE(player.CdPollOk());
    EXPECT_THAT(std::vector(port.sent.begin() + 3, port.sent.end()),
                ElementsAre(L"status cdaudio position track 3", L"play cdaudio from 3:00:00:00"));

    port.sent.clear();
    port.Disc(3, 5, L"playing");
    player.PollCdAudio();
    EXPECT_EQ(port.sent.back(), L"status cdaudio mode");  // already on it
}

TEST_F(MusicPlayerTest, CdPollRestartsTheRepeatTrackWhenTheDiscHasStopped)
{
    settings.BgmRepeatTrack = 3;
    port.Disc(3, 5, L"stopped");
    player.PollCdAudio();
    EXPECT_EQ(port.sent.back(), L"play cdaudio from 3:00:00:00");
}

TEST_F(MusicPlayerTest, RepeatTrackBeyondTheLastKeepsPolling)
{
    settings.BgmRepeatTrack = 9;
    port.Disc(1, 5, L"playing");
    port.replies[L"status cdaudio position track 9"] = {kNoDisc, L""};
    port.replies[L"play cdaudio from Error:277"] = {kNoDisc, L""};
    player.PollCdAudio();
    EXPECT_TRUE(player.CdPollOk());
    EXPECT_EQ(port.sent.back(), L"play cdaudio from Error:277");
}

TEST_F(MusicPlayerTest, CurrentTrackThatIsNoNumberFailsThePoll)
{
    settings.BgmRepeatTrack = 2;
    port.Disc(1, 5, L"stopped");
    port.replies[L"status cdaudio current track"] = {0, L"??"};
    player.PollCdAudio();
    EXPECT_FALSE(player.CdPollOk());
}

TEST_F(MusicPlayerTest, CdOpenAndCloseSendNoReturnBuffer)
{
    player.OpenCdAudio();
    player.CloseCdAudio();
    EXPECT_THAT(port.sent,
                ElementsAre(L"open cdaudio", L"set cdaudio time format tmsf", L"stop cdaudio", L"close cdaudio"));
    EXPECT_THAT(port.answerLengths, ElementsAre(0u, 0u, 0u, 0u));
}

TEST_F(MusicPlayerTest, Mp3OpensQuotedAndPlaysOnlyWhenOpened)
{
    settings.BgmFile = L"D:\\My Music\\a.mp3";
    player.OpenAndPlayMp3();
    EXPECT_THAT(port.sent, ElementsAre(L"open \"D:\\My Music\\a.mp3\" type MPEGVideo Alias MP3Play", L"play MP3Play"));

    port.sent.clear();
    port.replies[L"open \"D:\\My Music\\a.mp3\" type MPEGVideo Alias MP3Play"] = {kNoDisc, L""};
    player.OpenAndPlayMp3();
    EXPECT_EQ(port.sent.size(), 1u);
}

TEST_F(MusicPlayerTest, Mp3TooLongForTheDevicesOpensByItsShortName)
{
    settings.BgmFile = L"C:\\a long path to the song.mp3";
    player.OpenAndPlayMp3();
    EXPECT_EQ(port.sent.front(), L"open \"C:\\LONGPA~1\\SONG~1.MP3\" type MPEGVideo Alias MP3Play");
}

TEST_F(MusicPlayerTest, Mp3ThatStoppedIsRestartedFromTheBeginning)
{
    port.replies[L"status MP3Play mode"] = {0, L"stopped"};
    player.RepeatMp3();
    EXPECT_THAT(port.sent, ElementsAre(L"status MP3Play mode", L"stop MP3Play", L"play MP3Play from 0"));
    EXPECT_THAT(port.answerLengths, ElementsAre(30u, 0u, 0u));

    port.sent.clear();
    port.replies[L"status MP3Play mode"] = {0, L"playing"};
    player.RepeatMp3();
    EXPECT_THAT(port.sent, ElementsAre(L"status MP3Play mode"));
}

TEST_F(MusicPlayerTest, Mp3ThatNeverOpenedKeepsBeingRestartedHarmlessly)
{
    port.replies[L"status MP3Play mode"] = {kNoDisc, L""};
    port.replies[L"stop MP3Play"] = {kNoDisc, L""};
    port.replies[L"play MP3Play from 0"] = {kNoDisc, L""};
    player.RepeatMp3();
    player.CloseMp3();
    EXPECT_EQ(port.sent.size(), 5u);
}

TEST_F(MusicPlayerTest, WavLoopsOnlyWithAWaveDevice)
{
    settings.BgmFile = L"C:\\a.wav";
    port.waveDevices = 0;
    player.PlayWav();
    EXPECT_THAT(port.sounds, IsEmpty());

    port.waveDevices = 1;
    player.PlayWav();
    player.StopWav();
    EXPECT_THAT(port.sounds, ElementsAre(std::optional<std::wstring>(L"C:\\a.wav"), std::nullopt));
    EXPECT_THAT(port.sent, IsEmpty());
}

TEST_F(MusicPlayerTest, EmptyCommandIsRefusedWithoutCallingMci)
{
    std::wstring answer;
    EXPECT_EQ(player.SendMciCommand(L"", answer), -1);
    EXPECT_EQ(answer, L"コマンド文字列が指定されていません");
    EXPECT_EQ(player.QueryMci(L""), L"Error:-1");
    EXPECT_THAT(port.sent, IsEmpty());
}

TEST_F(MusicPlayerTest, FailuresGiveTheirErrorTextOrAFallback)
{
    port.replies[L"status cdaudio mode"] = {kNoDisc, L""};
    std::wstring answer;
    EXPECT_EQ(player.SendMciCommand(L"status cdaudio mode", answer), std::int32_t(kNoDisc));
    EXPECT_EQ(answer, L"Error (文字列が取れません)");
    port.errorTexts[kNoDisc] = L"device not ready";
    EXPECT_EQ(player.SendMciCommand(L"status cdaudio mode", answer), std::int32_t(kNoDisc));
    EXPECT_EQ(answer, L"device not ready");
    EXPECT_EQ(player.QueryMci(L"status cdaudio mode"), L"Error:277");
    EXPECT_EQ(player.LastApiResult(), 277);
}

TEST_F(MusicPlayerTest, PlayCommandsTakeOnlyTheGivenPositions)
{
    player.PlayMciDevice(L"cdaudio", L"", L"");
    player.PlayMciDevice(L"cdaudio", L"2", L"");
    player.PlayMciDevice(L"cdaudio", L"", L"4");
    player.PlayMciDevice(L"cdaudio", L"2", L"4");
    EXPECT_THAT(port.sent, ElementsAre(L"play cdaudio", L"play cdaudio from 2", L"play cdaudio to 4",
                                       L"play cdaudio from 2 to 4"));
}

TEST(MusicFileTypeOf, LastThreeCharactersInAnyCase)
{
    EXPECT_EQ(MusicFileTypeOf(L"a.Mp3"), MusicFileType::Mp3);
    EXPECT_EQ(MusicFileTypeOf(L"a.mp3"), MusicFileType::Mp3);
    EXPECT_EQ(MusicFileTypeOf(L"axmp3"), MusicFileType::Mp3);
    EXPECT_EQ(MusicFileTypeOf(L"a.wav"), MusicFileType::Wav);
    EXPECT_EQ(MusicFileTypeOf(L"a.WAV"), MusicFileType::Wav);
    EXPECT_EQ(MusicFileTypeOf(L"a.mid"), MusicFileType::None);
    EXPECT_EQ(MusicFileTypeOf(L"av"), MusicFileType::None);
    EXPECT_EQ(MusicFileTypeOf(L""), MusicFileType::None);
}

// What a run sends, by source and file type: at the start, on two ticks of each music
// timer while it is on, and at the end.
TEST(RunMusic, CallsBySourceAndFileType)
{
    using Sounds = std::vector<std::optional<std::wstring>>;
    const std::vector<std::wstring> poll = {L"status cdaudio current track", L"status cdaudio number of tracks",
                                            L"status cdaudio mode"};
    struct Row {
        const char* name;
        std::int16_t kind;
        const wchar_t* file;
        bool discInDrive;
        bool timer1, timer2;  // on after the start
        std::vector<std::vector<std::wstring>> sent;
        Sounds sounds;
    };
    const Row rows[] = {
        {"none", 0, L"C:\\a.mp3", true, false, false, {}, {}},
        {"other source", 3, L"C:\\a.wav", true, false, false, {}, {}},
        {"other file type", 2, L"C:\\a.mid", true, false, false, {}, {}},
        {"wav", 2, L"C:\\a.Wav", true, false, false, {}, {L"C:\\a.Wav", std::nullopt}},
        {"mp3",
         2,
         L"C:\\a.mp3",
         true,
         true,
         false,
         {{L"open \"C:\\a.mp3\" type MPEGVideo Alias MP3Play", L"play MP3Play"},
          {L"status MP3Play mode", L"status MP3Play mode"},
          {L"stop MP3Play", L"close MP3Play"}},
         {}},
        {"cd",
         1,
         L"",
         true,
         false,
         true,
         {{L"open cdaudio", L"set cdaudio time format tmsf"}, poll, poll, {L"stop cdaudio", L"close cdaudio"}},
         {}},
        {"cd without a disc: polled once, still closed",
         1,
         L"",
         false,
         false,
         true,
         {{L"open cdaudio", L"set cdaudio time format tmsf", L"status cdaudio current track"},
          {L"stop cdaudio", L"close cdaudio"}},
         {}},
    };
    for (const Row& row : rows) {
        ScriptedPort port;
        port.Disc(1, 5, L"playing");
        if (!row.discInDrive) port.replies[L"status cdaudio current track"] = {kNoDisc, L""};
        port.replies[L"status MP3Play mode"] = {0, L"playing"};
        MusicSettings settings;
        settings.BgmKind = row.kind;
        settings.BgmFile = row.file;
        RunMusic music(port, settings);

        music.Start();
        EXPECT_EQ(music.Timer1Enabled(), row.timer1) << row.name;
        EXPECT_EQ(music.Timer2Enabled(), row.timer2) << row.name;
        for (int tick = 0; tick < 2; ++tick) {
            if (music.Timer1Enabled()) music.Timer1_Timer();
            if (music.Timer2Enabled()) music.Timer2_Timer();
        }
        music.Stop();
        EXPECT_FALSE(music.Timer1Enabled() || music.Timer2Enabled()) << row.name;

        std::vector<std::wstring> expected;
        for (const auto& part : row.sent) expected.insert(expected.end(), part.begin(), part.end());
        EXPECT_EQ(port.sent, expected) << row.name;
        EXPECT_EQ(port.sounds, row.sounds) << row.name;
    }
}

}  // namespace
}  // namespace wavorin::host
