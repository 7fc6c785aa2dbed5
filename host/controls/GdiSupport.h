#pragma once
// Small GDI helpers the controls share: owners for the handle kinds they create, colour
// conversion, screen scale and UTF-8 text.

#include <windows.h>

#include <string>
#include <string_view>

#include "host/controls/Colour.h"
#include "host/controls/FontInfo.h"
#include "host/win32/Handles.h"

namespace wavorin::controls {

using UniqueFont = win32::Unique<win32::GdiObjectTraits<HFONT>>;
using UniqueRegion = win32::Unique<win32::GdiObjectTraits<HRGN>>;

// A stored colour as GDI takes it; whatever lies above the low three bytes is dropped.
inline COLORREF ToColorRef(Colour colour)
{
    return static_cast<COLORREF>(colour) & 0x00FFFFFF;
}

// The screen's horizontal twips per pixel: 15 at 96 dots per inch.
double TwipsPerPixel();

// A window's client size in pixels, taken through twips the way the controls measure it.
int ClientPixels(int pixels);

std::wstring Utf8ToWide(std::string_view text);
std::string WideToUtf8(std::wstring_view text);

// A GDI font for a stored font description, scaled for `dotsPerInch` (0: the screen's).
UniqueFont CreateFontFor(const FontInfo& font, int dotsPerInch = 0);

// A copy of a picture of `frames` equal frames stacked one below the other, each frame drawn
// at `width` x `height` (smoothed when it grows or shrinks). Nothing on failure.
win32::UniqueBitmap ScaledFrames(HBITMAP picture, int frames, int width, int height);

}  // namespace wavorin::controls
