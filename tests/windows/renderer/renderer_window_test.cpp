// The renderer's window driven in this process with a real GL context under Wine: what
// creation sets up, and what Esc and a system close leave behind (the cursor and the context,
// which cannot be seen from outside). Title, size, keys and moving frames are end to end.

#include <gtest/gtest.h>

#include <array>

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

}  // namespace
}  // namespace wavorin::renderer
