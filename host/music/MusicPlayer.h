#pragma once
// Background music of a screensaver run: an audio CD (optionally one track repeated), an
// MP3 file or a WAV file in a loop, through MCI command strings. Every failure is silent.

#include <cstdint>
#include <string>
#include <string_view>

#include "host/music/MusicPort.h"
#include "host/settings/MusicSettings.h"

namespace wavorin::music {

enum class MusicFileType { None, Mp3, Wav };

// The type of a music file by the last three characters of its path, in any case.
MusicFileType MusicFileTypeOf(std::wstring_view path);

class MusicPlayer {
public:
    MusicPlayer(MusicPort& port, const settings::MusicSettings& settings) : port_(port), settings_(settings) {}

    // 0 with the device's answer, or the MCI error code with its error text; -1 without
    // calling MCI for an empty command.
    std::int32_t SendMciCommand(std::wstring_view command, std::wstring& answer);
    // The answer, or "Error:" followed by the code.
    std::wstring QueryMci(std::wstring_view command);
    // "play <device>[ from <start>][ to <end>]".
    std::int32_t PlayMciDevice(std::wstring_view device, std::wstring_view start, std::wstring_view end);

    void OpenCdAudio();
    // One tick of the CD watchdog: starts or repeats playback; clears CdPollOk on failure.
    void PollCdAudio();
    void CloseCdAudio();

    void OpenAndPlayMp3();
    bool IsMp3Playing();
    // Restarts the MP3 from its beginning when it is no longer playing.
    void RepeatMp3();
    void CloseMp3();

    void PlayWav();
    void StopWav();

    bool CdPollOk() const { return cdPollOk_; }

private:
    void SendWithoutAnswer(std::wstring_view command);
    bool PollCdAudioSteps();

    MusicPort& port_;
    const settings::MusicSettings& settings_;
    bool cdPollOk_ = true;
};

}  // namespace wavorin::music
