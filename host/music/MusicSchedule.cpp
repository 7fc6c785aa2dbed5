#include "host/music/MusicSchedule.h"

namespace wavorin::music {

using settings::MusicSource;

void MusicSchedule::Start()
{
    if (settings_.source == MusicSource::AudioCd) {
        player_.OpenCdAudio();
        cdOpened_ = true;
        cdPollTimerOn_ = true;  // the first tick starts the disc
    }
    if (settings_.source == MusicSource::File) {
        const MusicFileType type = MusicFileTypeOf(settings_.file);
        if (type == MusicFileType::Wav) player_.PlayWav();
        if (type == MusicFileType::Mp3) {
            player_.OpenAndPlayMp3();
            mp3RepeatTimerOn_ = true;
        }
    }
}

void MusicSchedule::OnMp3RepeatTick() { player_.RepeatMp3(); }

void MusicSchedule::OnCdPollTick()
{
    player_.PollCdAudio();
    cdPollTimerOn_ = player_.CdPollOk();
}

void MusicSchedule::Stop()
{
    cdPollTimerOn_ = false;
    if (cdOpened_) {
        cdOpened_ = false;
        player_.CloseCdAudio();
    }
    if (settings_.source == MusicSource::File) {
        const MusicFileType type = MusicFileTypeOf(settings_.file);
        if (type == MusicFileType::Wav) player_.StopWav();
        if (type == MusicFileType::Mp3) {
            mp3RepeatTimerOn_ = false;
            player_.CloseMp3();
        }
    }
}

}  // namespace wavorin::music
