#include "host/run/RunMusic.h"

namespace wavorin::host {

void RunMusic::Start()
{
    if (settings_.BgmKind == 1) {
        player_.OpenCdAudio();
        cdOpened_ = true;
        timer2Enabled_ = true;  // the first tick starts the disc
    }
    if (settings_.BgmKind == 2) {
        const MusicFileType type = MusicFileTypeOf(settings_.BgmFile);
        if (type == MusicFileType::Wav) player_.PlayWav();
        if (type == MusicFileType::Mp3) {
            player_.OpenAndPlayMp3();
            timer1Enabled_ = true;
        }
    }
}

void RunMusic::Timer1_Timer() { player_.RepeatMp3(); }

void RunMusic::Timer2_Timer()
{
    player_.PollCdAudio();
    timer2Enabled_ = player_.CdPollOk();
}

void RunMusic::Stop()
{
    timer2Enabled_ = false;
    if (cdOpened_) {
        cdOpened_ = false;
        player_.CloseCdAudio();
    }
    if (settings_.BgmKind == 2) {
        const MusicFileType type = MusicFileTypeOf(settings_.BgmFile);
        if (type == MusicFileType::Wav) player_.StopWav();
        if (type == MusicFileType::Mp3) {
            timer1Enabled_ = false;
            player_.CloseMp3();
        }
    }
}

}  // namespace wavorin::host
