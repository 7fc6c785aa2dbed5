#pragma once
// The music of one screensaver run, by its source and the file's type: what the run calls at
// its start, on the ticks of its two music timers and at its end. The schedule says which of
// those timers should be running; the run window keeps its real timers in step.

#include "host/music/MusicPlayer.h"
#include "host/music/MusicPort.h"
#include "host/settings/MusicSettings.h"

namespace wavorin::music {

class MusicSchedule {
public:
    // Once a second while an MP3 plays: starts it again when it has ended.
    static constexpr unsigned kMp3RepeatPeriodMs = 1000;
    // Five times a second while the disc plays: starts or repeats the disc or its track.
    static constexpr unsigned kCdPollPeriodMs = 200;

    MusicSchedule(MusicPort& port, const settings::MusicSettings& settings)
        : settings_(settings), player_(port, settings)
    {
    }

    void Start();
    void OnMp3RepeatTick();
    // Off for good after a failed poll.
    void OnCdPollTick();
    // Stops whatever the run started. An opened CD is always stopped and closed, even after
    // polling gave up, or the disc would play on after the run.
    void Stop();

    bool Mp3RepeatTimerOn() const { return mp3RepeatTimerOn_; }
    bool CdPollTimerOn() const { return cdPollTimerOn_; }

private:
    const settings::MusicSettings& settings_;
    MusicPlayer player_;
    bool cdOpened_ = false;
    bool mp3RepeatTimerOn_ = false;
    bool cdPollTimerOn_ = false;
};

}  // namespace wavorin::music
