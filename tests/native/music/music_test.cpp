// What a screensaver run sends to the music devices, by source, file and what the devices
// answer.

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "host/music/MusicSchedule.h"

namespace wavorin::music {
namespace {

using Commands = std::vector<std::wstring>;
using Sounds = std::vector<std::optional<std::wstring>>;

constexpr wchar_t kFails[] = L"!";  // a scripted answer that is an MCI error

// A multimedia library that answers from a table (a playing disc on track 2 of 5, a playing
// MP3; anything else succeeds silently) and records what it is asked.
class ScriptedPort final : public MusicPort {
public:
    std::map<std::wstring, std::wstring> answers{
        {L"status cdaudio current track", L"2"}, {L"status cdaudio number of tracks", L"5"},
        {L"status cdaudio mode", L"playing"},    {L"status cdaudio position track 3", L"3:00:00:00"},
        {L"status MP3Play mode", L"playing"}};
    std::uint32_t waveDevices = 1;
    Commands sent;
    Sounds sounds;

    MciReply SendString(std::wstring_view command, std::uint32_t answerLength) override
    {
        sent.emplace_back(command);
        // A buffer for what is read back; none for plain commands.
        const bool query = command.starts_with(L"status cdaudio") || command.starts_with(L"play cdaudio");
        EXPECT_EQ(answerLength, command.ends_with(L"cdaudio mode") ? 255u : command.ends_with(L"MP3Play mode") ? 30u : query ? 512u : 0u);
        const auto found = answers.find(sent.back());
        if (found == answers.end()) return {};
        return found->second == kFails ? MciReply{277, L""} : MciReply{0, found->second};
    }
    std::optional<std::wstring> ErrorText(std::uint32_t, std::uint32_t length) override { EXPECT_EQ(length, 256u); return std::nullopt; }
    std::uint32_t WaveOutDeviceCount() override { return waveDevices; }
    bool PlayLoopingSound(const std::optional<std::wstring>& file) override { return sounds.push_back(file), true; }
    std::wstring ReachablePath(const std::wstring& path) override { return path.size() > 20 ? L"C:\\LONGPA~1\\SONG~1.MP3" : path; }
};

Commands Join(std::initializer_list<Commands> parts)
{
    Commands all;
    for (const Commands& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The run's calls at its start, on two ticks of each music timer while it is on, and at its end.
TEST(MusicSchedule, CallsBySourceFileAndDeviceAnswers)
{
    const Commands cdOpen = {L"open cdaudio", L"set cdaudio time format tmsf"};
    const Commands cdClose = {L"stop cdaudio", L"close cdaudio"};
    const Commands poll = {L"status cdaudio current track", L"status cdaudio number of tracks",
                           L"status cdaudio mode"};
    const Commands repeatPoll = Join({poll, {L"status cdaudio position track 3", L"play cdaudio from 3:00:00:00"}});
    const Commands mp3Open = {L"open \"C:\\a.mp3\" type MPEGVideo Alias MP3Play", L"play MP3Play"};
    const wchar_t* mp3OpenShort = L"open \"C:\\LONGPA~1\\SONG~1.MP3\" type MPEGVideo Alias MP3Play";
    const Commands mp3Close = {L"stop MP3Play", L"close MP3Play"};
    const Commands mp3Restart = {L"status MP3Play mode", L"stop MP3Play", L"play MP3Play from 0"};
    const Commands repeatBeyond = {L"status cdaudio position track 9", L"play cdaudio from Error:277"};
    struct Row {
        const char* name;
        std::int16_t kind = 0, repeatTrack = 0;
        const wchar_t* file = L"";
        std::vector<std::pair<std::wstring, std::wstring>> answers;
        Commands sent;  // the ticks that show in it come only from a timer that is on
        Sounds sounds;
        std::uint32_t waveDevices = 1;
    };
    const Row rows[] = {
        {.name = "no music", .kind = 0, .file = L"C:\\a.mp3"},
        {.name = "WAV", .kind = 2, .file = L"C:\\a.Wav", .sounds = {L"C:\\a.Wav", std::nullopt}},
        {.name = "WAV, no wave device", .kind = 2, .file = L"C:\\a.wav", .sounds = {std::nullopt}, .waveDevices = 0},
        {.name = "MP3", .kind = 2, .file = L"C:\\a.mp3",
         .sent = Join({mp3Open, {L"status MP3Play mode", L"status MP3Play mode"}, mp3Close})},
        {.name = "MP3 that stopped starts over", .kind = 2, .file = L"C:\\a.mp3",
         .answers = {{L"status MP3Play mode", L"stopped"}}, .sent = Join({mp3Open, mp3Restart, mp3Restart, mp3Close})},
        {.name = "MP3 on a long path: by its short name, not played when it does not open", .kind = 2,
         .file = L"C:\\a long path to the song.mp3", .answers = {{mp3OpenShort, kFails}},
         .sent = Join({{mp3OpenShort, L"status MP3Play mode", L"status MP3Play mode"}, mp3Close})},
        {.name = "CD without a disc: polled once, still closed", .kind = 1,
         .answers = {{poll[0], kFails}}, .sent = Join({cdOpen, {poll[0]}, cdClose})},
        {.name = "CD that cannot be read", .kind = 1, .answers = {{poll[1], kFails}},
         .sent = Join({cdOpen, {poll[0], poll[1]}, cdClose})},
        {.name = "CD stopped: started where it is", .kind = 1, .answers = {{poll[2], L"stopped"}},
         .sent = Join({cdOpen, poll, {L"play cdaudio"}, poll, {L"play cdaudio"}, cdClose})},
        {.name = "repeat track 3 while 2 plays", .kind = 1, .repeatTrack = 3,
         .sent = Join({cdOpen, repeatPoll, repeatPoll, cdClose})},
        {.name = "repeat track 12 while it plays, told with a sign", .kind = 1, .repeatTrack = 12, .answers = {{poll[0], L" +12"}},
         .sent = Join({cdOpen, poll, poll, cdClose})},
        {.name = "repeat track 3, stopped on it", .kind = 1, .repeatTrack = 3,
         .answers = {{poll[0], L"3"}, {poll[2], L"stopped"}}, .sent = Join({cdOpen, repeatPoll, repeatPoll, cdClose})},
        {.name = "repeat track beyond the last: polling goes on", .kind = 1, .repeatTrack = 9,
         .answers = {{repeatBeyond[0], kFails}}, .sent = Join({cdOpen, poll, repeatBeyond, poll, repeatBeyond, cdClose})},
        {.name = "current track that is no number: polling stops", .kind = 1, .repeatTrack = 2,
         .answers = {{poll[0], L"??"}}, .sent = Join({cdOpen, poll, cdClose})},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        ScriptedPort port;
        port.waveDevices = row.waveDevices;
        for (const auto& [command, answer] : row.answers) port.answers[command] = answer;
        const settings::MusicSettings settings{settings::MusicSource(row.kind), row.repeatTrack, row.file, L""};
        MusicSchedule music(port, settings);

        music.Start();
        for (int tick = 0; tick < 2; ++tick) {
            if (music.Mp3RepeatTimerOn()) music.OnMp3RepeatTick();
            if (music.CdPollTimerOn()) music.OnCdPollTick();
        }
        music.Stop();
        EXPECT_FALSE(music.Mp3RepeatTimerOn() || music.CdPollTimerOn());
        EXPECT_EQ(port.sent, row.sent);
        EXPECT_EQ(port.sounds, row.sounds);
    }
}

}  // namespace
}  // namespace wavorin::music
