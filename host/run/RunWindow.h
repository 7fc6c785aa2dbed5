#pragma once
// The invisible window that carries one screensaver run: it photographs the screen, writes
// the snapshot files, starts the renderer and the music, keeps the music going, and ends the
// program when the renderer is gone.

#include <windows.h>

#include "common/contract/ProgramContract.h"
#include "common/files/HeldFolder.h"
#include "host/music/MusicSchedule.h"
#include "host/music/WinmmPort.h"
#include "host/run/RendererWatch.h"
#include "host/settings/MusicSettings.h"
#include "host/win32/Handles.h"
#include "host/win32/Window.h"

namespace wavorin::run {

// Marks a run in progress: a second start finds it (hidden as it is) and stays out.
inline constexpr wchar_t kRunWindowTitle[] = L"Wavorin_Main";

class RunWindow final : public win32::Window {
public:
    // The cursor is hidden before the run starts; the run shows it again when it ends.
    explicit RunWindow(settings::MusicSettings settings);
    // Creates the window hidden and starts the run before returning.
    bool Create();

private:
    // The window's timers, by what their ticks do.
    enum class RunTimer : UINT_PTR { Mp3Repeat = 1, CdPoll = 2, RendererWatch = 3 };

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void StartRun();
    void OnRendererWatchTick();
    void OnCdPollTick();
    void EndRun();

    void SetTimerRunning(RunTimer timer, bool running);
    void FollowMusicTimers();
    void WriteSnapshotFiles();
    void DeleteDesktopSnapshot();
    bool RendererGone();

    // Held for the whole run, so that another account cannot put a link in its place
    // between our writes and deletes; where it cannot be held, the run touches no file in it.
    files::HeldFolder workFolder_{contract::kWorkFolderW.c_str()};
    settings::MusicSettings settings_;
    music::WinmmPort port_;
    music::MusicSchedule music_{port_, settings_};
    bool mp3RepeatRunning_ = false;
    bool cdPollRunning_ = false;
    bool rendererWatchRunning_ = false;
    win32::UniqueHandle rendererProcess_;
    ULONGLONG rendererStartedAt_ = 0;
    RendererWatch rendererWatch_;
    bool ending_ = false;
};

}  // namespace wavorin::run
