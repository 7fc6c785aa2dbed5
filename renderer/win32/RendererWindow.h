#pragma once
// The renderer's window: class, creation, messages and the idle frame loop.

#include <windows.h>

#include "common/contract/ProgramContract.h"
#include "renderer/win32/RendererState.h"

namespace wavorin::renderer {

// Class name and title both; the host watches for this title.
inline constexpr const char* kWindowName = contract::kRendererWindowName;

LRESULT CALLBACK WndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void SetupPixelFormat(HDC dc);
void ResizeViewport(int width, int height);

bool RegisterRendererClass(HINSTANCE instance);

// A hidden borderless popup of the state's window size at (0, 0). Creation runs the create
// and size notifications, so the context is current and the viewport set when it returns.
HWND CreateRendererWindow(HINSTANCE instance, RendererState& state);

// Draws whenever the queue is empty, until the quit message; returns its exit code.
int RunMessageLoop(HWND window);

}  // namespace wavorin::renderer
