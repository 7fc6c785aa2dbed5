#pragma once
// OpenGL 1.1 and GLU, as each platform supplies them. Windows' headers need <windows.h> first.

#ifdef _WIN32
#include <windows.h>
#endif
#include <GL/gl.h>
#include <GL/glu.h>

// Constants newer than the 1.1 header of Windows, used only after a run-time check.
#ifndef GL_BGR_EXT
#define GL_BGR_EXT 0x80E0
#endif
