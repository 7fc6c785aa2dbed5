#pragma once
// GDI drawing of the frame panel's face into its retained image.

#include <windows.h>

#include "host/controls/FramePanelProperties.h"
#include "host/controls/RetainedImage.h"

namespace wavorin::controls {

// The whole face of a panel of width x height pixels (innerWidth x innerHeight for the
// corner smoothing): background, then shadow and frame as the style asks.
void DrawFrame(RetainedImage& image, const FramePanelProperties& properties, Colour background, int width, int height,
               int innerWidth, int innerHeight);

// The steps of DrawFrame, for the drawings that look at one step alone.
void ClearFace(HDC dc, int width, int height, Colour background);
// The concentric outlines of the shadow, the innermost and darkest first.
void DrawShadowOutlines(HDC dc, const FramePanelProperties& properties, Colour background, int width, int height);
// The frame itself: filled, outlined, square or rounded; `offset` pixels short of the right
// and bottom edges (the shadow's depth, or 0 without a shadow).
void DrawFrameBody(HDC dc, const FramePanelProperties& properties, int width, int height, int offset);

}  // namespace wavorin::controls
