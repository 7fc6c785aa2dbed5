#include "renderer/win32/RendererWindow.h"

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

void OnCreate(HWND window, RendererState& state)
{
    state.dc = GetDC(window);
    SetupPixelFormat(state.dc);
    trace::MarkStartupStep("renderer", "pixel format");
    state.glContext = CurrentGlContext(state.dc);
    trace::MarkStartupStep("renderer", "context");
}

void OnSize(RendererState& state, LPARAM lParam)
{
    state.clientWidth = LOWORD(lParam);
    state.clientHeight = HIWORD(lParam);
    ResizeViewport(state.clientWidth, state.clientHeight);
}

void OnPaint(HWND window, RendererState& state)
{
    if (!state.running) return;  // before the scene exists: neither drawn nor validated
    state.sceneTime = SecondsElapsed(state.startCount, CounterNow(), state.counterFrequency);
    DrawFrame(state.scene, state.sceneTime);
    if (!state.firstFrameShown) trace::MarkStartupStep("renderer", "first frame drawn");
    SwapBuffers(state.dc);
    ValidateRect(window, nullptr);
    if (!std::exchange(state.firstFrameShown, true)) trace::MarkStartupStep("renderer", "first swap");
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

int RunMessageLoop(HWND window)
{
    MSG message{};
    PeekMessageA(&message, nullptr, 0, 0, PM_NOREMOVE);
    while (message.message != WM_QUIT) {
        if (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        } else {
            InvalidateRect(window, nullptr, FALSE);  // an empty queue asks for the next frame
        }
    }
    return static_cast<int>(message.wParam);
}

}  // namespace wavorin::renderer
