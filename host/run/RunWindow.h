#pragma once
// Zelvane_S: the invisible window that carries one screensaver run: it photographs the
// screen, writes the snapshot files, starts the renderer and the music, keeps the music
// going, and ends the program when the renderer is gone.

#include <cstdint>
#include <string>

#include "host/music/WinmmPort.h"
#include "host/run/RendererWatch.h"
#include "host/run/RunMusic.h"
#include "host/startup/Settings.h"
#include "host/win32/Handles.h"
#include "host/win32/Window.h"

namespace wavorin::host {

class RunWindow final : public win32::Window {
public:
    // `restoreCursor`: the run was started with /s, which hid the cursor.
    RunWindow(MusicSettings settings, bool restoreCursor);
    // Creates the window hidden; its load handler runs before this returns.
    bool Create();

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Form_QueryUnload();

    void SetTimerEnabled(UINT_PTR timer, bool enabled);
    void FollowMusicTimers();
    void WriteSnapshotFiles();
    bool RendererGone();

    MusicSettings settings_;
    bool restoreCursor_;
    WinmmPort port_;
    RunMusic music_{port_, settings_};
    bool timersEnabled_[4] = {};  // by timer id 1..3
    std::wstring RendererPath;
    std::int16_t PictureIndex = 0;
    win32::UniqueHandle rendererProcess_;
    ULONGLONG rendererStartedAt_ = 0;
    RendererWatch rendererWatch_;
    bool unloading_ = false;
};

}  // namespace wavorin::host
