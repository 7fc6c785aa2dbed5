#include "host/run/RunWindow.h"

#include <windows.h>

#include <utility>

#include "common/snapshot/BmpWriter.h"
#include "host/assets/RingPictures.h"
#include "host/run/RendererStart.h"
#include "host/run/RingChoice.h"
#include "host/run/ScreenCapture.h"
#include "host/startup/Titles.h"
#include "host/win32/ModulePath.h"

namespace wavorin::host {
namespace {

constexpr UINT_PTR kTimer1 = 1;  // MP3 repeat
constexpr UINT_PTR kTimer2 = 2;  // audio-CD poll
constexpr UINT_PTR kTimer3 = 3;  // renderer watch
constexpr UINT kIntervalMs[] = {0, 1000, 200, 500};

constexpr wchar_t kDesktopSnapshot[] = L"C:\\vetsu_temp\\Zelvane2.alo";
constexpr wchar_t kRingSnapshot[] = L"C:\\vetsu_temp\\Zelvane1.alo";

std::uint32_t SecondsSinceMidnight()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wHour * 3600u + now.wMinute * 60u + now.wSecond;
}

}  // namespace

RunWindow::RunWindow(MusicSettings settings, bool restoreCursor)
    : settings_(std::move(settings)), restoreCursor_(restoreCursor)
{
}

bool RunWindow::Create()
{
    static const win32::WindowClass kClass{L"Zelvane_S"};
    if (!Window::Create(kClass, kRunWindowTitle, WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0, nullptr)) return false;
    SetTimerEnabled(kTimer3, true);
    Form_Load();
    return true;
}

LRESULT RunWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimer1) Timer1_Timer();
        if (wParam == kTimer2) Timer2_Timer();
        if (wParam == kTimer3) Timer3_Timer();
        return 0;
    case WM_CLOSE:
    case WM_ENDSESSION:
        Form_QueryUnload();
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

void RunWindow::SetTimerEnabled(UINT_PTR timer, bool enabled)
{
    timersEnabled_[timer] = enabled;
    if (enabled) SetTimer(hwnd(), timer, kIntervalMs[timer], nullptr);
    else KillTimer(hwnd(), timer);
}

bool RunWindow::TimerEnabled(UINT_PTR timer) const { return timersEnabled_[timer]; }

void RunWindow::Form_Load()
{
    // The window's client area is the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    WriteSnapshotFiles();
    Sleep(100);
    RendererPath = win32::ProgramFolder() + kRendererFileName;
    StartRenderer(RendererPath);  // a renderer that cannot start ends the run at the first watch
    StartMusic();
}

// Both files are complete and closed before the renderer starts.
void RunWindow::WriteSnapshotFiles()
{
    const auto screen = CaptureScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    DeleteFileW(kDesktopSnapshot);
    DeleteFileW(kRingSnapshot);
    PictureIndex = ChooseRingPicture(SecondsSinceMidnight());
    if (screen) snapshot::WriteBmpFile(kDesktopSnapshot, *screen);
    if (const auto ring = LoadRingPicture(PictureIndex)) snapshot::WriteBmpFile(kRingSnapshot, *ring);
}

void RunWindow::StartMusic()
{
    if (settings_.BgmKind == 1) {
        player_.OpenCdAudio();
        SetTimerEnabled(kTimer2, true);
    }
    if (settings_.BgmKind == 2) {
        const MusicFileType type = MusicFileTypeOf(settings_.BgmFile);
        if (type == MusicFileType::Wav) player_.PlayWav();
        if (type == MusicFileType::Mp3) {
            player_.OpenAndPlayMp3();
            SetTimerEnabled(kTimer1, true);
        }
    }
}

void RunWindow::Timer1_Timer() { player_.RepeatMp3(); }

void RunWindow::Timer2_Timer()
{
    player_.PollCdAudio();
    SetTimerEnabled(kTimer2, player_.CdPollOk());  // off for good after a failed poll
}

void RunWindow::Timer3_Timer()
{
    if (FindWindowW(nullptr, kRendererWindowTitle)) return;
    SetTimerEnabled(kTimer3, false);
    Form_QueryUnload();
}

void RunWindow::Form_QueryUnload()
{
    if (std::exchange(unloading_, true)) return;
    if (TimerEnabled(kTimer2)) {
        SetTimerEnabled(kTimer2, false);
        player_.CloseCdAudio();
    }
    if (settings_.BgmKind == 2) {
        const MusicFileType type = MusicFileTypeOf(settings_.BgmFile);
        if (type == MusicFileType::Wav) player_.StopWav();
        if (type == MusicFileType::Mp3) {
            SetTimerEnabled(kTimer1, false);
            player_.CloseMp3();
        }
    }
    if (restoreCursor_) ShowCursor(TRUE);
    PostQuitMessage(0);
}

}  // namespace wavorin::host
