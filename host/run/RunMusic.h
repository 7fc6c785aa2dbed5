#pragma once
// The music of one screensaver run: what the run window calls at its start, on the ticks of
// its MP3 timer (Timer1) and CD timer (Timer2), and at its end, by the music source and the
// file's type. The run window mirrors the two timer states onto its real timers.

#include "host/music/MusicPlayer.h"
#include "host/music/MusicPort.h"
#include "host/startup/Settings.h"

namespace wavorin::host {

class RunMusic {
public:
    RunMusic(MusicPort& port, const MusicSettings& settings) : settings_(settings), player_(port, settings) {}

    void Start();
    void Timer1_Timer();  // MP3 repeat
    void Timer2_Timer();  // CD poll; off for good after a failed one
    // Stops whatever the run started. An opened CD is always stopped and closed, even after
    // polling gave up, or the disc would play on after the run.
    void Stop();

    bool Timer1Enabled() const { return timer1Enabled_; }
    bool Timer2Enabled() const { return timer2Enabled_; }

private:
    const MusicSettings& settings_;
    MusicPlayer player_;
    bool cdOpened_ = false;
    bool timer1Enabled_ = false;
    bool timer2Enabled_ = false;
};

}  // namespace wavorin::host
