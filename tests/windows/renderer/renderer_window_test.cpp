// The renderer's window driven in this process with a real GL context under Wine: what
// creation sets up, what Esc and a system close leave behind (the cursor and the context,
// which cannot be seen from outside), what a display change and the display going off do,
// and how often frames come. Title, size, keys and moving frames are end to end.

#include <gtest/gtest.h>

#include <array>
#include <cstring>

#include "renderer/Gl.h"
#include "renderer/win32/RendererWindow.h"

namespace wavorin::renderer {
namespace {

int CursorCount()
{
    const int count = ShowCursor(TRUE) - 1;
    ShowCursor(FALSE);
    return count;
}

std::array<GLint, 4> Viewport()
{
    std::array<GLint, 4> viewport{};
    glGetIntegerv(GL_VIEWPORT, viewport.data());
    return viewport;
}

void CALLBACK EndLoop(HWND, UINT, UINT_PTR, DWORD) { PostQuitMessage(0); }

class RendererWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterRendererClass(GetModuleHandleW(nullptr))); }
    void SetUp() override
    {
        state.windowWidth = 320;
        state.windowHeight = 200;
        window = CreateRendererWindow(GetModuleHandleW(nullptr), state);
        ASSERT_NE(window, nullptr);
    }
    void TearDown() override
    {
        if (IsWindow(window)) DestroyWindow(window);
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        }  // a destroyed window's quit message must not end the next test
    }
    // What the entry point does once the window exists.
    void StartScene()
    {
        LARGE_INTEGER frequency{}, start{};
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        state.counterFrequency = frequency.QuadPart;
        state.startCount = start.QuadPart;
        ASSERT_TRUE(InitScene(state.scene, state.clientWidth, state.clientHeight));
        state.running = true;
    }
    RendererState state;
    HWND window = nullptr;
};

TEST_F(RendererWindowTest, CreationLeavesADoubleBufferedContextCurrentAndTheViewportSet)
{
    EXPECT_EQ(wglGetCurrentDC(), state.dc);
    EXPECT_NE(wglGetCurrentContext(), nullptr);
    PIXELFORMATDESCRIPTOR format{};
    DescribePixelFormat(state.dc, GetPixelFormat(state.dc), sizeof format, &format);
    EXPECT_TRUE(format.dwFlags & PFD_DOUBLEBUFFER);
    EXPECT_GE(format.cDepthBits, 16);
    EXPECT_EQ(Viewport(), (std::array<GLint, 4>{0, 0, 320, 200}));
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 0));  // no height: one row
    EXPECT_EQ(Viewport(), (std::array<GLint, 4>{0, 0, 640, 1}));
}

// Esc destroys the window from within the key's handling and shows the cursor; a system close
// does not show it. Either way the context is released before the loop ends with code 0.
TEST_F(RendererWindowTest, EscAndASystemCloseEndTheLoop)
{
    const struct {
        UINT message;
        WPARAM key;
        int cursorShown;
    } rows[] = {{WM_KEYDOWN, VK_ESCAPE, 1}, {WM_CLOSE, 0, 0}};
    for (const auto& row : rows) {
        if (!IsWindow(window)) window = CreateRendererWindow(GetModuleHandleW(nullptr), state);
        StartScene();
        const int cursor = CursorCount();
        PostMessageA(window, row.message, row.key, 0);
        EXPECT_EQ(RunMessageLoop(window), 0) << row.message;
        EXPECT_FALSE(IsWindow(window)) << row.message;
        EXPECT_EQ(CursorCount(), cursor + row.cursorShown) << row.message;
        EXPECT_EQ(wglGetCurrentContext(), nullptr) << row.message;
    }
}

// Whatever size it was made, after a display change the window covers the primary monitor
// and the projection is framed for its shape: x scaled by 1 / tan(22.5 degrees) / aspect.
TEST_F(RendererWindowTest, ADisplayChangeCoversThePrimaryMonitorAndFramesTheSceneForIt)
{
    StartScene();
    SendMessageA(window, WM_DISPLAYCHANGE, 32, 0);
    MONITORINFO primary{sizeof primary, {}, {}, 0};
    ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary));
    RECT area{};
    GetWindowRect(window, &area);
    EXPECT_TRUE(EqualRect(&area, &primary.rcMonitor)) << area.right << "x" << area.bottom;
    GLdouble projection[16]{};
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    const double aspect = double(primary.rcMonitor.right) / primary.rcMonitor.bottom;
    EXPECT_NEAR(projection[0], 2.4142136 / aspect, 1e-5);
}

// While the console's display is off no frame is drawn; while it is on, frames come, and no
// faster than the monitor refreshes (60 Hz where it reports no rate).
TEST_F(RendererWindowTest, FramesComeOnlyWhileTheDisplayIsOnAndNoFasterThanItRefreshes)
{
    StartScene();
    PaceToMonitor(state);
    ShowWindow(window, SW_SHOWNOACTIVATE);  // a hidden window is never painted
    DEVMODEW mode{};
    mode.dmSize = sizeof mode;
    ASSERT_TRUE(EnumDisplaySettingsW(nullptr, ENUM_CURRENT_SETTINGS, &mode));
    const double hz = mode.dmDisplayFrequency > 1 ? mode.dmDisplayFrequency : 60;
    for (const DWORD displayState : {0ul, 1ul}) {  // off, on
        alignas(POWERBROADCAST_SETTING) BYTE buffer[sizeof(POWERBROADCAST_SETTING) + sizeof(DWORD)]{};
        auto* setting = reinterpret_cast<POWERBROADCAST_SETTING*>(buffer);
        setting->PowerSetting = kConsoleDisplayState;
        setting->DataLength = sizeof displayState;
        std::memcpy(setting->Data, &displayState, sizeof displayState);
        SendMessageA(window, WM_POWERBROADCAST, PBT_POWERSETTINGCHANGE, reinterpret_cast<LPARAM>(setting));
        state.framesDrawn = 0;
        const ULONGLONG begin = GetTickCount64();
        SetTimer(window, 1, 500, EndLoop);
        RunMessageLoop(window);
        KillTimer(window, 1);
        const double seconds = double(GetTickCount64() - begin) / 1000;
        EXPECT_EQ(state.framesDrawn > 0, displayState == 1) << state.framesDrawn << " frames";
        EXPECT_LE(double(state.framesDrawn), seconds * hz + 2) << seconds << " s at " << hz << " Hz";
    }
}

}  // namespace
}  // namespace wavorin::renderer
