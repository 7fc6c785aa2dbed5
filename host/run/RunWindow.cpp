#include "host/run/RunWindow.h"

#include <utility>

#include "common/contract/ProgramContract.h"
#include "common/files/OwnNames.h"
#include "common/snapshot/BmpWriter.h"
#include "common/trace/StartupTrace.h"
#include "host/assets/RingPictures.h"
#include "host/run/RendererStart.h"
#include "host/run/RingChoice.h"
#include "host/run/ScreenCapture.h"
#include "host/settings/Program.h"
#include "host/win32/PrivateFile.h"

namespace wavorin::run {
namespace {

constexpr wchar_t kRunWindowClass[] = L"Zelvane_S";

// Twice a second: is the renderer still there?
constexpr UINT kRendererWatchPeriodMs = 500;

// The renderer reads the files only after this pause.
constexpr DWORD kPauseBeforeRendererMs = 100;

std::uint32_t SecondsSinceMidnight()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wHour * 3600u + now.wMinute * 60u + now.wSecond;
}

// Only this user may read what the screen showed, whoever else can see into the folder.
bool WriteSnapshotFile(const wchar_t* path, const snapshot::PixelRows& rows)
{
    const auto header = snapshot::EncodeHeaders(rows);
    return header && win32::WritePrivateFile(path, {*header, rows.bytes});
}

}  // namespace

RunWindow::RunWindow(settings::MusicSettings settings) : settings_(std::move(settings))
{
}

bool RunWindow::Create()
{
    static const win32::WindowClass kClass{kRunWindowClass};
    if (!Window::Create(kClass, kRunWindowTitle, WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0, nullptr)) return false;
    SetTimerRunning(RunTimer::RendererWatch, true);
    StartRun();
    return true;
}

LRESULT RunWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        switch (RunTimer(wParam)) {
        case RunTimer::Mp3Repeat: music_.OnMp3RepeatTick(); break;
        case RunTimer::CdPoll: OnCdPollTick(); break;
        case RunTimer::RendererWatch: OnRendererWatchTick(); break;
        }
        return 0;
    case WM_CLOSE:
        EndRun();
        return 0;
    case WM_ENDSESSION:
        if (!wParam) return 0;  // the shutdown was cancelled, the run goes on
        // The session ends once this returns, the renderer's with it: nobody deletes later.
        DeleteDesktopSnapshot();
        EndRun();
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

void RunWindow::SetTimerRunning(RunTimer timer, bool running)
{
    bool* state = nullptr;
    UINT periodMs = 0;
    switch (timer) {
    case RunTimer::Mp3Repeat: state = &mp3RepeatRunning_, periodMs = music::MusicSchedule::kMp3RepeatPeriodMs; break;
    case RunTimer::CdPoll: state = &cdPollRunning_, periodMs = music::MusicSchedule::kCdPollPeriodMs; break;
    case RunTimer::RendererWatch: state = &rendererWatchRunning_, periodMs = kRendererWatchPeriodMs; break;
    }
    if (std::exchange(*state, running) == running) return;  // setting it again would restart it
    if (running) SetTimer(hwnd(), UINT_PTR(timer), periodMs, nullptr);
    else KillTimer(hwnd(), UINT_PTR(timer));
}

void RunWindow::FollowMusicTimers()
{
    SetTimerRunning(RunTimer::Mp3Repeat, music_.Mp3RepeatTimerOn());
    SetTimerRunning(RunTimer::CdPoll, music_.CdPollTimerOn());
}

void RunWindow::StartRun()
{
    // The window's client area is the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    trace::MarkStartupStep("host", "run window");
    WriteSnapshotFiles();
    Sleep(kPauseBeforeRendererMs);
    trace::MarkStartupStep("host", "pause");
    rendererProcess_ = StartRenderer(settings::RendererPath());  // one that cannot start ends the run at the first watch
    trace::MarkStartupStep("host", "renderer started");
    rendererStartedAt_ = GetTickCount64();
    music_.Start();
    FollowMusicTimers();
}

void RunWindow::DeleteDesktopSnapshot()
{
    if (workFolder_) files::DeleteOwnName(contract::kDesktopSnapshotFileW.c_str());
}

// Both files are complete and closed before the renderer starts.
void RunWindow::WriteSnapshotFiles()
{
    if (!workFolder_) return;  // the renderer draws its scene without the pictures
    const auto screen = CaptureScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    trace::MarkStartupStep("host", "capture");
    DeleteDesktopSnapshot();
    files::DeleteOwnName(contract::kRingSnapshotFileW.c_str());
    const std::int16_t ringIndex = ChooseRingPicture(SecondsSinceMidnight());
    // Black where the screen could not be read.
    if (screen) WriteSnapshotFile(contract::kDesktopSnapshotFileW.c_str(), screen->Rows());
    trace::MarkStartupStep("host", "desktop snapshot written");
    if (const auto ring = assets::LoadRingPicture(ringIndex)) {
        WriteSnapshotFile(contract::kRingSnapshotFileW.c_str(), snapshot::RowsOf(*ring));
    }
    trace::MarkStartupStep("host", "ring snapshot written");
}

void RunWindow::OnCdPollTick()
{
    music_.OnCdPollTick();
    FollowMusicTimers();
}

void RunWindow::OnRendererWatchTick()
{
    if (!RendererGone()) return;
    SetTimerRunning(RunTimer::RendererWatch, false);
    EndRun();
}

bool RunWindow::RendererGone()
{
    RendererLook look;
    look.windowShown = FindWindowW(nullptr, contract::kRendererWindowNameW.c_str()) != nullptr;
    look.processEnded = !rendererProcess_ || WaitForSingleObject(rendererProcess_.get(), 0) == WAIT_OBJECT_0;
    look.sinceStart = std::chrono::milliseconds(GetTickCount64() - rendererStartedAt_);
    return rendererWatch_.IsGone(look);
}

void RunWindow::EndRun()
{
    if (std::exchange(ending_, true)) return;
    music_.Stop();
    FollowMusicTimers();
    ShowCursor(TRUE);  // hidden when the run started
    // The photograph of the user's screen goes with the run, once the renderer no longer
    // needs it. A renderer still there ends when this process does and deletes it itself.
    if (RendererGone()) DeleteDesktopSnapshot();
    PostQuitMessage(0);
}

}  // namespace wavorin::run
