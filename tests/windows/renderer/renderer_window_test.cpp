// The renderer's window driven in this process with a real GL context under Wine: what
// creation sets up, what each message does, and the order in which Esc and a system close
// take it down.

#include <gtest/gtest.h>

#include <optional>

#include "renderer/Gl.h"
#include "renderer/win32/RendererWindow.h"

namespace wavorin::renderer {
namespace {

HINSTANCE Instance() { return GetModuleHandleW(nullptr); }

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

bool QuitPosted(WPARAM* exitCode)
{
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            *exitCode = message.wParam;
            return true;
        }
        DispatchMessageA(&message);
    }
    return false;
}

class RendererWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterRendererClass(Instance())); }

    void SetUp() override
    {
        state.emplace();
        state->windowWidth = 320;
        state->windowHeight = 200;
        window = CreateRendererWindow(Instance(), *state);
        ASSERT_NE(window, nullptr);
    }

    void TearDown() override
    {
        if (IsWindow(window)) DestroyWindow(window);
        WPARAM ignored = 0;
        QuitPosted(&ignored);  // the destroyed window's quit message must not end the next test
    }

    // What the entry point does once the window exists.
    void StartScene()
    {
        LARGE_INTEGER frequency{}, start{};
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        state->counterFrequency = frequency.QuadPart;
        state->startCount = start.QuadPart;
        ASSERT_TRUE(InitScene(state->scene, state->clientWidth, state->clientHeight));
        state->running = true;
    }

    std::optional<RendererState> state;
    HWND window = nullptr;
};

TEST_F(RendererWindowTest, CreationLeavesAContextCurrentAndTheViewportSet)
{
    char text[64] = {};
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "Zelvane_VC");
    GetClassNameA(window, text, sizeof text);
    EXPECT_STREQ(text, "Zelvane_VC");
    EXPECT_FALSE(IsWindowVisible(window));  // shown by the entry point, after creation

    EXPECT_NE(state->dc, nullptr);
    EXPECT_EQ(wglGetCurrentDC(), state->dc);
    EXPECT_NE(wglGetCurrentContext(), nullptr);
    PIXELFORMATDESCRIPTOR format{};
    DescribePixelFormat(state->dc, GetPixelFormat(state->dc), sizeof format, &format);
    EXPECT_TRUE(format.dwFlags & PFD_DOUBLEBUFFER);
    EXPECT_TRUE(format.dwFlags & PFD_SUPPORT_OPENGL);
    EXPECT_GE(format.cDepthBits, 16);

    EXPECT_EQ(state->clientWidth, 320);
    EXPECT_EQ(state->clientHeight, 200);
    EXPECT_EQ(Viewport(), (std::array<GLint, 4>{0, 0, 320, 200}));
}

TEST_F(RendererWindowTest, ASizeWithNoHeightKeepsAViewportOneRowHigh)
{
    SendMessageA(window, WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 0));
    EXPECT_EQ(state->clientWidth, 640);
    EXPECT_EQ(state->clientHeight, 0);
    EXPECT_EQ(Viewport(), (std::array<GLint, 4>{0, 0, 640, 1}));
}

TEST_F(RendererWindowTest, PaintDrawsAndValidatesOnlyOnceRunning)
{
    ShowWindow(window, SW_SHOW);
    InvalidateRect(window, nullptr, FALSE);
    SendMessageA(window, WM_PAINT, 0, 0);
    EXPECT_TRUE(GetUpdateRect(window, nullptr, FALSE));  // still waiting for a frame
    EXPECT_EQ(state->sceneTime, 0.0);

    StartScene();
    Sleep(20);
    SendMessageA(window, WM_PAINT, 0, 0);
    EXPECT_FALSE(GetUpdateRect(window, nullptr, FALSE));
    const double first = state->sceneTime;
    EXPECT_GT(first, 0.015);
    Sleep(20);
    InvalidateRect(window, nullptr, FALSE);
    SendMessageA(window, WM_PAINT, 0, 0);
    EXPECT_GT(state->sceneTime, first);
}

TEST_F(RendererWindowTest, OtherKeysAndTheMouseChangeNothing)
{
    StartScene();
    const int cursor = CursorCount();
    for (WPARAM key : {WPARAM('A'), WPARAM(VK_SPACE), WPARAM(VK_RETURN), WPARAM(VK_F4), WPARAM(VK_LEFT)}) {
        EXPECT_EQ(SendMessageA(window, WM_KEYDOWN, key, 0), 0);
    }
    SendMessageA(window, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    SendMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    SendMessageA(window, WM_LBUTTONUP, 0, MAKELPARAM(10, 10));
    EXPECT_TRUE(IsWindow(window));
    EXPECT_EQ(CursorCount(), cursor);
    WPARAM exitCode = 0;
    EXPECT_FALSE(QuitPosted(&exitCode));
}

// Esc destroys the window from within the key's handling, shows the cursor and releases the
// context; only then does the loop see the quit message and end, with exit code 0.
TEST_F(RendererWindowTest, EscDestroysTheWindowBeforeTheLoopEnds)
{
    StartScene();
    const int cursor = CursorCount();
    PostMessageA(window, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_EQ(RunMessageLoop(window), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(FindWindowA(nullptr, kWindowName), nullptr);
    EXPECT_EQ(CursorCount(), cursor + 1);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
}

TEST_F(RendererWindowTest, ASystemCloseEndsTheLoopWithoutShowingTheCursor)
{
    StartScene();
    const int cursor = CursorCount();
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_EQ(RunMessageLoop(window), 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(CursorCount(), cursor);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
}

TEST_F(RendererWindowTest, TheLoopDrawsFramesWhileTheQueueIsEmpty)
{
    StartScene();
    ShowWindow(window, SW_SHOW);
    // A timer message ends the loop after a moment; until then only idle turns paint.
    SetTimer(window, 1, 300, [](HWND w, UINT, UINT_PTR, DWORD) { DestroyWindow(w); });
    EXPECT_EQ(RunMessageLoop(window), 0);
    EXPECT_GT(state->sceneTime, 0.2);
}

}  // namespace
}  // namespace wavorin::renderer
