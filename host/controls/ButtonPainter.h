#pragma once
// GDI drawing of the XP-style button's faces onto a device context.

#include <windows.h>

#include <string_view>

#include "host/controls/FaceColours.h"
#include "host/controls/GdiSupport.h"

namespace wavorin::controls {

// Clears the face to `backColour` and draws the outline, the fill or gradients, the inner
// lines and the 20 corner pixels of `face` on a button of width x height pixels.
void PaintButtonBody(HDC dc, int width, int height, Face face, const FaceColourTable& colours, COLORREF backColour);

// The caption centred on one line inside the outline, with "&" marking the access key,
// over the face without a background.
void PaintButtonCaption(HDC dc, int width, int height, std::wstring_view caption, HFONT font, COLORREF textColour);

// The dotted focus rectangle around the caption area.
void PaintFocusRectangle(HDC dc, int width, int height);

// The window shape: the rectangle with its corners rounded by 3 pixels.
UniqueRegion CreateButtonRegion(int width, int height);

}  // namespace wavorin::controls
