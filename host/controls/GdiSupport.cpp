#include "host/controls/GdiSupport.h"

#include <cmath>
#include <limits>

namespace wavorin::controls {

double TwipsPerPixel()
{
    win32::WindowDc screen(nullptr);
    const int dotsPerInch = screen ? GetDeviceCaps(screen.get(), LOGPIXELSX) : 96;
    return 1440.0 / (dotsPerInch > 0 ? dotsPerInch : 96);
}

int ClientPixels(int pixels)
{
    // A size in twips may exceed 16 bits for wide windows (over 2184 pixels at 96 dots per
    // inch), so the twips are kept in a double rather than a 16-bit integer.
    const double twipsPerPixel = TwipsPerPixel();
    return TwipsToPixels(RoundHalfEven(pixels * twipsPerPixel), twipsPerPixel);
}

std::wstring Utf8ToWide(std::string_view text)
{
    if (text.empty() || text.size() > std::size_t(std::numeric_limits<int>::max())) return {};
    const int inLength = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), inLength, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), inLength, wide.data(), length);
    return wide;
}

std::string WideToUtf8(std::wstring_view text)
{
    if (text.empty() || text.size() > std::size_t(std::numeric_limits<int>::max())) return {};
    const int inLength = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(CP_UTF8, 0, text.data(), inLength, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string narrow(static_cast<std::size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), inLength, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

UniqueFont CreateFontFor(const FontInfo& font, int dotsPerInch)
{
    if (dotsPerInch <= 0) {
        win32::WindowDc screen(nullptr);
        dotsPerInch = screen ? GetDeviceCaps(screen.get(), LOGPIXELSY) : 96;
    }
    LOGFONTW description{};
    description.lfHeight = -static_cast<LONG>(std::lround(font.points * dotsPerInch / 72.0));
    description.lfWeight = font.weight;
    description.lfItalic = (font.style & kFontItalic) ? TRUE : FALSE;
    description.lfUnderline = (font.style & kFontUnderline) ? TRUE : FALSE;
    description.lfStrikeOut = (font.style & kFontStrikeout) ? TRUE : FALSE;
    description.lfCharSet = static_cast<BYTE>(font.charset);
    description.lfOutPrecision = OUT_DEFAULT_PRECIS;
    description.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    description.lfQuality = DEFAULT_QUALITY;
    description.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::wstring face = Utf8ToWide(font.face);
    face.copy(description.lfFaceName, LF_FACESIZE - 1);
    return UniqueFont(CreateFontIndirectW(&description));
}

win32::UniqueBitmap ScaledFrames(HBITMAP picture, int frames, int width, int height)
{
    BITMAP source{};
    if (!picture || frames <= 0 || width <= 0 || height <= 0 || !GetObjectW(picture, sizeof source, &source)) {
        return {};
    }
    const int frameHeight = source.bmHeight / frames;
    if (frameHeight <= 0 || height > std::numeric_limits<int>::max() / frames) return {};

    win32::WindowDc screen(nullptr);
    win32::UniqueBitmap scaled(CreateCompatibleBitmap(screen.get(), width, height * frames));
    win32::UniqueMemoryDc from(CreateCompatibleDC(screen.get()));
    win32::UniqueMemoryDc to(CreateCompatibleDC(screen.get()));
    if (!scaled || !from || !to) return {};
    win32::SelectedObject selectedFrom(from.get(), picture);
    win32::SelectedObject selectedTo(to.get(), scaled.get());
    // Halftone averages the pixels a grown or shrunk frame covers; at the same size the
    // frame is copied exactly.
    const bool sameSize = width == source.bmWidth && height == frameHeight;
    SetStretchBltMode(to.get(), sameSize ? COLORONCOLOR : HALFTONE);
    SetBrushOrgEx(to.get(), 0, 0, nullptr);
    // Frame by frame, so that no frame's edge blends into its neighbour's.
    for (int frame = 0; frame < frames; ++frame) {
        StretchBlt(to.get(), 0, frame * height, width, height, from.get(), 0, frame * frameHeight, source.bmWidth,
                   frameHeight, SRCCOPY);
    }
    return scaled;
}

}  // namespace wavorin::controls
