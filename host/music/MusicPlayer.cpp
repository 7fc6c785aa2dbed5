#include "host/music/MusicPlayer.h"

#include <algorithm>
#include <optional>

namespace wavorin::music {
namespace {

constexpr std::uint32_t kAnswerLength = 512;
constexpr std::uint32_t kErrorTextLength = 256;
constexpr std::uint32_t kCdModeLength = 255;
constexpr std::uint32_t kMp3ModeLength = 30;

constexpr wchar_t kNoCommandText[] = L"コマンド文字列が指定されていません";
constexpr wchar_t kNoErrorText[] = L"Error (文字列が取れません)";

wchar_t UpperAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? wchar_t(c - L'a' + L'A') : c; }

std::wstring UpperAscii(std::wstring_view text)
{
    std::wstring upper(text);
    std::transform(upper.begin(), upper.end(), upper.begin(), [](wchar_t c) { return UpperAscii(c); });
    return upper;
}

bool ReportsError(std::wstring_view answer) { return UpperAscii(answer).find(L"ERR") != std::wstring::npos; }

// MCI modes are compared on their first seven characters ("stopped", "playing").
bool ModeIs(std::wstring_view mode, std::wstring_view expected) { return mode.substr(0, 7) == expected; }

// A track number as MCI reports it; nothing when the text is not a whole number.
std::optional<long> TrackNumberOf(std::wstring_view text)
{
    while (!text.empty() && text.front() == L' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == L' ') text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 9) return std::nullopt;
    long value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    return negative ? -value : value;
}

}  // namespace

MusicFileType MusicFileTypeOf(std::wstring_view path)
{
    if (path.size() < 3) return MusicFileType::None;
    const std::wstring ending = UpperAscii(path.substr(path.size() - 3));
    if (ending == L"MP3") return MusicFileType::Mp3;
    if (ending == L"WAV") return MusicFileType::Wav;
    return MusicFileType::None;
}

std::int32_t MusicPlayer::SendMciCommand(std::wstring_view command, std::wstring& answer)
{
    if (command.empty()) {
        answer = kNoCommandText;
        return -1;
    }
    MciReply reply = port_.SendString(command, kAnswerLength);
    if (reply.code != 0) {
        answer = port_.ErrorText(reply.code, kErrorTextLength).value_or(kNoErrorText);
        return static_cast<std::int32_t>(reply.code);
    }
    answer = std::move(reply.answer);
    return 0;
}

std::wstring MusicPlayer::QueryMci(std::wstring_view command)
{
    std::wstring answer;
    const std::int32_t code = SendMciCommand(command, answer);
    if (code != 0) return L"Error:" + std::to_wstring(code);
    return answer;
}

std::int32_t MusicPlayer::PlayMciDevice(std::wstring_view device, std::wstring_view start, std::wstring_view end)
{
    std::wstring command = L"play ";
    command += device;
    if (!start.empty()) (command += L" from ") += start;
    if (!end.empty()) (command += L" to ") += end;
    std::wstring answer;
    return SendMciCommand(command, answer);
}

void MusicPlayer::SendWithoutAnswer(std::wstring_view command) { port_.SendString(command, 0); }

void MusicPlayer::OpenCdAudio()
{
    SendWithoutAnswer(L"open cdaudio");
    SendWithoutAnswer(L"set cdaudio time format tmsf");
}

void MusicPlayer::PollCdAudio() { cdPollOk_ = PollCdAudioSteps(); }

bool MusicPlayer::PollCdAudioSteps()
{
    const std::wstring currentTrack = QueryMci(L"status cdaudio current track");
    if (ReportsError(currentTrack)) return false;
    // Only tells whether the disc can be read.
    if (ReportsError(QueryMci(L"status cdaudio number of tracks"))) return false;

    const MciReply mode = port_.SendString(L"status cdaudio mode", kCdModeLength);
    const bool stopped = ModeIs(mode.answer, L"stopped");

    if (settings_.repeatTrack != 0) {
        const std::optional<long> track = TrackNumberOf(currentTrack);
        if (!track) return false;  // a current track that is not a number ends the poll as failed
        if (stopped || *track != settings_.repeatTrack) {
            const std::wstring start =
                QueryMci(L"status cdaudio position track " + std::to_wstring(settings_.repeatTrack));
            PlayMciDevice(L"cdaudio", start, L"");
        }
    } else if (stopped) {
        PlayMciDevice(L"cdaudio", L"", L"");
    }
    return true;
}

void MusicPlayer::CloseCdAudio()
{
    SendWithoutAnswer(L"stop cdaudio");
    SendWithoutAnswer(L"close cdaudio");
}

void MusicPlayer::OpenAndPlayMp3()
{
    const std::wstring open = L"open \"" + port_.ReachablePath(settings_.file) + L"\" type MPEGVideo Alias MP3Play";
    if (port_.SendString(open, 0).code == 0) port_.SendString(L"play MP3Play", 0);
}

bool MusicPlayer::IsMp3Playing()
{
    return ModeIs(port_.SendString(L"status MP3Play mode", kMp3ModeLength).answer, L"playing");
}

void MusicPlayer::RepeatMp3()
{
    if (IsMp3Playing()) return;
    port_.SendString(L"stop MP3Play", 0);
    port_.SendString(L"play MP3Play from 0", 0);
}

void MusicPlayer::CloseMp3()
{
    port_.SendString(L"stop MP3Play", 0);
    port_.SendString(L"close MP3Play", 0);
}

void MusicPlayer::PlayWav()
{
    if (port_.WaveOutDeviceCount() == 0) return;
    port_.PlayLoopingSound(port_.ReachablePath(settings_.file));
}

void MusicPlayer::StopWav() { port_.PlayLoopingSound(std::nullopt); }

}  // namespace wavorin::music
