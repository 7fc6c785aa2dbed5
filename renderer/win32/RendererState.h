#pragma once
// Everything the renderer's one thread keeps while it runs.

#include <windows.h>

#include <cstdint>

#include "renderer/FramePacer.h"
#include "renderer/Scene.h"
#include "renderer/win32/GlContext.h"

namespace wavorin::renderer {

class MonitorCovers;

struct RendererState {
    std::int32_t windowWidth = 1024;
    std::int32_t windowHeight = 768;
    HDC dc = nullptr;  // the window's own device context (CS_OWNDC): kept, never released
    CurrentGlContext glContext;
    std::int32_t clientWidth = 0;  // from the latest size notification
    std::int32_t clientHeight = 0;
    bool running = false;  // frames may be drawn
    bool firstFrameShown = false;
    std::int64_t counterFrequency = 0;
    std::int64_t startCount = 0;  // taken just before the scene's set-up
    double sceneTime = 0;         // seconds from startCount to the frame being drawn
    FramePacer pacer;             // no sooner than the monitor shows frames
    bool displayOn = true;        // false while the console's display is off: nothing is drawn
    std::uint64_t framesDrawn = 0;
    MonitorCovers* covers = nullptr;  // remade after a display change, once they exist
    // Destroyed after the context is gone; their deletes then find no context and do nothing.
    Scene scene;
};

}  // namespace wavorin::renderer
