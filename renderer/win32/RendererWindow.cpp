#include "renderer/win32/RendererWindow.h"

#include <mmsystem.h>

#include <cstring>

#include "common/trace/StartupTrace.h"
#include "renderer/Gl.h"
#include "renderer/SceneTime.h"
#include "renderer/win32/MonitorCovers.h"

namespace wavorin::renderer {
namespace {

RendererState* StateOf(HWND window)
{
    return reinterpret_cast<RendererState*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

std::int64_t CounterNow()
{
    LARGE_INTEGER count{};
    QueryPerformanceCounter(&count);
    return count.QuadPart;
}

// Vertical sync where the driver offers it: each swap then waits for the display.
void AskForVerticalSync()
{
    using SwapIntervalProc = BOOL(WINAPI*)(int);
    const PROC proc = wglGetProcAddress("wglSwapIntervalEXT");
    if (proc) reinterpret_cast<SwapIntervalProc>(reinterpret_cast<void (*)()>(proc))(1);
}

void OnCreate(HWND window, RendererState& state)
{
    state.dc = GetDC(window);
    SetupPixelFormat(state.dc);
    trace::MarkStartupStep("renderer", "pixel format");
    state.glContext = CurrentGlContext(state.dc);
    AskForVerticalSync();
    trace::MarkStartupStep("renderer", "context");
}

void OnSize(RendererState& state, LPARAM lParam)
{
    state.clientWidth = LOWORD(lParam);
    state.clientHeight = HIWORD(lParam);
    ResizeViewport(state.clientWidth, state.clientHeight);
    if (state.running) FrameScene(state.clientWidth, state.clientHeight);  // before, set-up frames it
}

void OnPaint(HWND window, RendererState& state)
{
    if (!state.running) return;  // before the scene exists: neither drawn nor validated
    if (state.displayOn) {  // a frame for a display that is off is a frame nobody sees
        const std::int64_t now = CounterNow();
        state.pacer.FrameStarted(now);
        state.sceneTime = SecondsElapsed(state.startCount, now, state.counterFrequency);
        DrawFrame(state.scene, state.sceneTime);
        if (!state.firstFrameShown) trace::MarkStartupStep("renderer", "first frame drawn");
        SwapBuffers(state.dc);
        ++state.framesDrawn;
    }
    ValidateRect(window, nullptr);
    if (state.displayOn && !std::exchange(state.firstFrameShown, true)) trace::MarkStartupStep("renderer", "first swap");
}

// A resolution change, a monitor added or dropped, another primary: the window covers the
// primary monitor again, the scene is framed for its shape (through the size notification),
// frames keep to its refresh rate, and the other monitors are covered anew.
void OnDisplayChange(HWND window, RendererState& state)
{
    const SIZE screen = PrimaryMonitorSize(state);
    SetWindowPos(window, nullptr, 0, 0, screen.cx, screen.cy, SWP_NOZORDER | SWP_NOACTIVATE);
    PaceToMonitor(state);
    if (state.covers) state.covers->Rebuild();
}

void OnPowerSettingChange(RendererState& state, const POWERBROADCAST_SETTING& setting)
{
    if (!IsEqualGUID(setting.PowerSetting, kConsoleDisplayState) || setting.DataLength < sizeof(DWORD)) return;
    DWORD displayState = 0;  // 0 off, 1 on, 2 dimmed (still seen)
    std::memcpy(&displayState, setting.Data, sizeof displayState);
    state.displayOn = displayState != 0;
}

void OnKeyDown(HWND window, WPARAM key)
{
    if (key != VK_ESCAPE) return;  // every other key is swallowed
    ShowCursor(TRUE);
    DestroyWindow(window);
}

void OnDestroy(RendererState& state)
{
    state.glContext.reset();
    PostQuitMessage(0);
}

}  // namespace

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    RendererState* state = StateOf(window);
    if (!state) return DefWindowProcA(window, message, wParam, lParam);

    switch (message) {
    case WM_CREATE:
        OnCreate(window, *state);
        return 0;
    case WM_SIZE:
        OnSize(*state, lParam);
        return 0;
    case WM_PAINT:
        OnPaint(window, *state);
        return 0;
    case WM_KEYDOWN:
        OnKeyDown(window, wParam);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && state->covers) state->covers->Raise();
        return DefWindowProcA(window, message, wParam, lParam);
    case WM_DISPLAYCHANGE:
        OnDisplayChange(window, *state);
        return 0;
    case WM_POWERBROADCAST:
        if (wParam == PBT_POWERSETTINGCHANGE && lParam) {
            OnPowerSettingChange(*state, *reinterpret_cast<const POWERBROADCAST_SETTING*>(lParam));
        }
        return TRUE;
    case WM_DESTROY:
        OnDestroy(*state);
        return 0;
    default:
        // Mouse input and system keys go here; a system close (Alt+F4, WM_CLOSE) destroys the
        // window like Esc, only without showing the cursor again.
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

void SetupPixelFormat(HDC dc)
{
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = static_cast<BYTE>(GetDeviceCaps(dc, BITSPIXEL));
    format.cDepthBits = 16;
    format.iLayerType = PFD_MAIN_PLANE;
    const int index = ChoosePixelFormat(dc, &format);
    SetPixelFormat(dc, index, &format);
}

void ResizeViewport(int width, int height) { glViewport(0, 0, width, height > 0 ? height : 1); }

bool RegisterRendererClass(HINSTANCE instance)
{
    WNDCLASSA windowClass{};
    windowClass.style = CS_VREDRAW | CS_HREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = WndProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // IDC_ARROW, ANSI form
    windowClass.lpszClassName = kWindowName;  // no icon, no background brush: nothing is erased
    return RegisterClassA(&windowClass) != 0;
}

HWND CreateRendererWindow(HINSTANCE instance, RendererState& state)
{
    return CreateWindowExA(0, kWindowName, kWindowName, WS_POPUP, 0, 0, state.windowWidth, state.windowHeight,
                           nullptr, nullptr, instance, &state);
}

SIZE PrimaryMonitorSize(const RendererState& state)
{
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    if (width > 0 && height > 0) return {width, height};
    return {state.windowWidth, state.windowHeight};
}

void PaceToMonitor(RendererState& state)
{
    state.pacer = FramePacer(GetDeviceCaps(state.dc, VREFRESH), state.counterFrequency);
}

DisplayStateWatch::DisplayStateWatch(HWND window)
    : notify_(RegisterPowerSettingNotification(window, &kConsoleDisplayState, DEVICE_NOTIFY_WINDOW_HANDLE))
{
}

DisplayStateWatch::~DisplayStateWatch()
{
    if (notify_) UnregisterPowerSettingNotification(notify_);
}

int RunMessageLoop(HWND window)
{
    const RendererState* state = StateOf(window);
    // Waits end on the millisecond, not on the system's default tick of about 16 ms.
    const struct FineTimer {
        FineTimer() { timeBeginPeriod(1); }
        ~FineTimer() { timeEndPeriod(1); }
    } fineTimer;
    MSG message{};
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    while (message.message != WM_QUIT) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
            continue;
        }
        const DWORD wait = !state ? 0 : state->displayOn ? state->pacer.MillisecondsToNextFrame(CounterNow()) : INFINITE;
        if (wait == 0) {
            InvalidateRect(window, nullptr, FALSE);  // an empty queue and a frame due: draw it
        } else {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);  // or what comes first
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace wavorin::renderer
