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
        Form_QueryUnload();
        return 0;
    case WM_ENDSESSION:
        if (wParam) Form_QueryUnload();  // FALSE: the shutdown was cancelled, the run goes on
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

void RunWindow::SetTimerEnabled(UINT_PTR timer, bool enabled)
{
    if (std::exchange(timersEnabled_[timer], enabled) == enabled) return;  // setting it again would restart it
    if (enabled) SetTimer(hwnd(), timer, kIntervalMs[timer], nullptr);
    else KillTimer(hwnd(), timer);
}

void RunWindow::FollowMusicTimers()
{
    SetTimerEnabled(kTimer1, music_.Timer1Enabled());
    SetTimerEnabled(kTimer2, music_.Timer2Enabled());
}

void RunWindow::Form_Load()
{
    // The window's client area is the primary screen.
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(hwnd(), nullptr, 0, 0, width, height, SWP_NOZORDER | SWP_NOACTIVATE);

    WriteSnapshotFiles();
    Sleep(100);
    RendererPath = win32::ProgramFolder() + kRendererFileName;
    rendererProcess_ = StartRenderer(RendererPath);  // one that cannot start ends the run at the first watch
    rendererStartedAt_ = GetTickCount64();
    music_.Start();
    FollowMusicTimers();
}

// Both files are complete and closed before the renderer starts.
void RunWindow::WriteSnapshotFiles()
{
    const auto screen = CaptureScreen(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    DeleteFileW(kDesktopSnapshot);
    DeleteFileW(kRingSnapshot);
    PictureIndex = ChooseRingPicture(SecondsSinceMidnight());
    if (screen) snapshot::WriteBmpFile(kDesktopSnapshot, *screen);  // black where the screen could not be read
    if (const auto ring = LoadRingPicture(PictureIndex)) snapshot::WriteBmpFile(kRingSnapshot, *ring);
}

void RunWindow::Timer1_Timer() { music_.Timer1_Timer(); }

void RunWindow::Timer2_Timer()
{
    music_.Timer2_Timer();
    FollowMusicTimers();
}

void RunWindow::Timer3_Timer()
{
    if (!RendererGone()) return;
    SetTimerEnabled(kTimer3, false);
    Form_QueryUnload();
}

bool RunWindow::RendererGone()
{
    RendererLook look;
    look.windowShown = FindWindowW(nullptr, kRendererWindowTitle) != nullptr;
    look.processEnded = !rendererProcess_ || WaitForSingleObject(rendererProcess_.get(), 0) == WAIT_OBJECT_0;
    look.sinceStart = std::chrono::milliseconds(GetTickCount64() - rendererStartedAt_);
    return rendererWatch_.IsGone(look);
}

void RunWindow::Form_QueryUnload()
{
    if (std::exchange(unloading_, true)) return;
    music_.Stop();
    FollowMusicTimers();
    if (restoreCursor_) ShowCursor(TRUE);
    // The photograph of the user's screen lies where every user can read it: it goes with
    // the run, once the renderer no longer needs it. A killed run leaves it to the next.
    if (RendererGone()) DeleteFileW(kDesktopSnapshot);
    PostQuitMessage(0);
}

}  // namespace wavorin::host
