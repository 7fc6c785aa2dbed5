#include "host/controls/FramePainter.h"

#include "host/controls/FrameShadow.h"
#include "host/controls/GdiSupport.h"

namespace wavorin::controls {
namespace {

// The retained image as pixels for the shadow smoothing.
class ImageSurface final : public PixelSurface {
public:
    explicit ImageSurface(RetainedImage& image) : image_(image) {}

    Colour Get(int x, int y) const override
    {
        const COLORREF pixel = image_.Pixel(x, y);
        return pixel == CLR_INVALID ? kInvalidPixel : static_cast<Colour>(pixel);
    }
    void Set(int x, int y, Colour colour) override { image_.SetPixel(x, y, ToColorRef(colour)); }

private:
    RetainedImage& image_;
};

void Outline(HDC dc, std::int32_t style, int left, int top, int right, int bottom, int corner)
{
    if (style == kSquareFrame) {
        Rectangle(dc, left, top, right, bottom);
    } else {
        RoundRect(dc, left, top, right, bottom, corner, corner);
    }
}

bool DrawsFrame(std::int32_t style)
{
    return style == kSquareFrame || style == kRoundedFrame;
}

}  // namespace

void ClearFace(HDC dc, int width, int height, Colour background)
{
    win32::UniqueBrush brush(CreateSolidBrush(ToColorRef(background)));
    const RECT whole{0, 0, width, height};
    if (brush) FillRect(dc, &whole, brush.get());
}

void DrawShadowOutlines(HDC dc, const FramePanelProperties& properties, Colour background, int width, int height)
{
    const int depth = properties.shadowDepth;
    const Colour darkest = DarkestShadow(background, properties.shadowOpacity);
    win32::SelectedObject hollow(dc, GetStockObject(NULL_BRUSH));
    for (int i = 0; i <= depth; ++i) {
        win32::UniquePen pen(
            CreatePen(PS_SOLID, 1, ToColorRef(ShadowStepColour(darkest, background, properties.shadowDepth, i))));
        if (!pen) continue;
        win32::SelectedObject selected(dc, pen.get());
        Outline(dc, properties.frameStyle, 2 * depth - i, 2 * depth - i, width - depth + i, height - depth + i,
                properties.cornerDepth);
    }
}

void DrawFrameBody(HDC dc, const FramePanelProperties& properties, int width, int height, int offset)
{
    win32::UniqueBrush fill(CreateSolidBrush(ToColorRef(properties.fillColour)));
    win32::UniquePen border(CreatePen(PS_SOLID, 1, ToColorRef(properties.borderColour)));
    win32::SelectedObject selectedFill(dc, fill.get());
    win32::SelectedObject selectedBorder(dc, border.get());
    Outline(dc, properties.frameStyle, 0, 0, width - offset, height - offset, properties.cornerDepth);
}

void DrawFrame(RetainedImage& image, const FramePanelProperties& properties, Colour background, int width, int height,
               int innerWidth, int innerHeight)
{
    const HDC dc = image.dc();
    if (!dc) return;
    ClearFace(dc, width, height, background);
    if (!DrawsFrame(properties.frameStyle)) return;
    if (!properties.showShadow) {
        DrawFrameBody(dc, properties, width, height, 0);
        return;
    }
    // Stored data is read without the setters' limits; a depth that the blend steps would
    // divide by zero with draws the frame without a shadow.
    if (properties.shadowDepth == 0) {
        DrawFrameBody(dc, properties, width, height, 0);
        return;
    }
    DrawShadowOutlines(dc, properties, background, width, height);
    if (properties.frameStyle == kRoundedFrame) {
        ImageSurface surface(image);
        SmoothShadowCorners(surface, background, innerWidth, innerHeight, properties.shadowDepth,
                            properties.cornerDepth);
    }
    DrawFrameBody(dc, properties, width, height, properties.shadowDepth);
}

}  // namespace wavorin::controls
