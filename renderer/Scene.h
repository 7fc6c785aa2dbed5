#pragma once
// The ring-through scene: a translucent yellow ring carrying the ring picture tumbles at the
// centre while a tube carrying the desktop picture swings through its hole every two seconds.
// Every frame is a function of the scene time alone. OpenGL 1.1 and GLU only.

#include "common/contract/ProgramContract.h"
#include "renderer/Texture.h"

namespace wavorin::renderer {

// Display list names.
inline constexpr unsigned kRingListLevel0 = 1;
inline constexpr unsigned kRingListLevel1 = 2;
inline constexpr unsigned kMainRingList = 3;  // level of detail 2, the one frames draw
inline constexpr unsigned kArcList = 125;

// Ring colours by level of detail (RGBA); frames use the main ring's, entry 3.
inline constexpr float kRingColours[4][4] = {
    {1.0f, 0.0f, 0.0f, 0.8f},
    {1.0f, 0.333f, 0.0f, 0.8f},
    {1.0f, 0.666f, 0.0f, 0.8f},
    {1.0f, 1.0f, 0.0f, 0.8f},
};

struct Scene {
    Texture ringTexture;
    Texture arcTexture;
};

struct SnapshotPaths {
    const char* ring = contract::kRingSnapshotFile.c_str();
    const char* arc = contract::kDesktopSnapshotFile.c_str();  // the tube carries the desktop
};

// GL state, camera, textures and display lists, with the context current. Always true.
bool InitScene(Scene& scene, int clientWidth, int clientHeight, const SnapshotPaths& paths = {});

// The projection and camera for a client area of that shape; again whenever the window's
// size changes (another screen), so the scene stays centred and undistorted.
void FrameScene(int clientWidth, int clientHeight);

// Compiles lists 1, 2, 3 and 125, drawing each object once as it goes.
void BuildDisplayLists();

// One frame into the back buffer; leaves the modelview stack as deep as it found it.
void DrawFrame(const Scene& scene, double sceneTime);

}  // namespace wavorin::renderer
