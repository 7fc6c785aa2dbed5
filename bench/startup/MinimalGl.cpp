// The floor of the start-up benchmark: the least a program can do to put a first OpenGL
// frame on the screen (after the host's 100 ms pause): a full-screen window, a context, a
// white clear and a swap, repeated until it is closed.

#include <windows.h>
#include <GL/gl.h>

namespace {

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int)
{
    Sleep(100);  // the host's pause before it starts the renderer
    WNDCLASSW windowClass{};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"WavorinFloorGl";
    RegisterClassW(&windowClass);
    HWND window = CreateWindowExW(0, L"WavorinFloorGl", L"WavorinFloorGl", WS_POPUP | WS_VISIBLE, 0, 0,
                                  GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                                  instance, nullptr);
    HDC dc = GetDC(window);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    format.cDepthBits = 16;
    SetPixelFormat(dc, ChoosePixelFormat(dc, &format), &format);
    HGLRC context = wglCreateContext(dc);
    wglMakeCurrent(dc, context);

    MSG message{};
    for (;;) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                wglMakeCurrent(nullptr, nullptr);
                wglDeleteContext(context);
                return 0;
            }
            DispatchMessageW(&message);
        }
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        SwapBuffers(dc);
    }
}
