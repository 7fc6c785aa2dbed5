#include "host/controls/ButtonPainter.h"

namespace wavorin::controls {
namespace {

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, Colour colour)
{
    win32::UniquePen pen(CreatePen(PS_SOLID, 1, ToColorRef(colour)));
    if (!pen) return;
    win32::SelectedObject selected(dc, pen.get());
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);  // the end point is not painted
}

void FillSolid(HDC dc, const RECT& area, Colour colour)
{
    win32::UniqueBrush brush(CreateSolidBrush(ToColorRef(colour)));
    if (brush) FillRect(dc, &area, brush.get());
}

// Rows from area.top (colour `top`) to area.bottom (colour `bottom`), both painted, each
// covering columns area.left to area.right - 1. A rectangle without height paints nothing.
void DrawGradient(HDC dc, const RECT& area, Colour top, Colour bottom)
{
    const int rows = area.bottom - area.top;
    if (rows <= 0) return;
    for (int i = 0; i <= rows; ++i) {
        const int y = area.top + rows - i;
        DrawLine(dc, area.left, y, area.right, y, GradientRowColour(top, bottom, rows, i));
    }
}

void SetCornerPixels(HDC dc, int w, int h, const FaceColours& c)
{
    struct Corner {
        int x, y;
        Colour colour;
    };
    const Corner corners[] = {
        {0, 1, c.cornerOuter},         {0, 2, c.cornerEdge},          {1, 0, c.cornerOuter},
        {1, 1, c.cornerInner},         {2, 0, c.cornerEdge},          // upper left
        {w - 1, 1, c.cornerOuter},     {w - 1, 2, c.cornerEdge},      {w - 2, 0, c.cornerOuter},
        {w - 2, 1, c.cornerInner},     {w - 3, 0, c.cornerEdge},      // upper right
        {0, h - 2, c.cornerOuter},     {0, h - 3, c.cornerEdge},      {1, h - 1, c.cornerOuter},
        {1, h - 2, c.cornerInner},     {2, h - 1, c.cornerEdge},      // lower left
        {w - 1, h - 2, c.cornerOuter}, {w - 1, h - 3, c.cornerEdge},  {w - 2, h - 1, c.cornerOuter},
        {w - 2, h - 2, c.cornerInner}, {w - 3, h - 1, c.cornerEdge},  // lower right
    };
    for (const Corner& corner : corners) SetPixel(dc, corner.x, corner.y, ToColorRef(corner.colour));
}

}  // namespace

void PaintButtonBody(HDC dc, int w, int h, Face face, const FaceColourTable& colours, COLORREF backColour)
{
    const FaceColours& c = colours[static_cast<int>(face)];
    const RECT whole{0, 0, w, h};
    FillSolid(dc, whole, static_cast<Colour>(backColour));

    DrawLine(dc, 3, 0, w - 3, 0, c.border);
    DrawLine(dc, 0, 3, 0, h - 3, c.border);
    DrawLine(dc, 3, h - 1, w - 3, h - 1, c.border);
    DrawLine(dc, w - 1, 3, w - 1, h - 3, c.border);

    if (face == Face::Disabled || face == Face::Pressed) {
        FillSolid(dc, RECT{1, 1, w - 1, h - 1}, face == Face::Disabled ? kDisabledFace : kPressedFace);
    } else {
        // The state's colour stays visible in the two columns at each side of the inner face.
        DrawGradient(dc, RECT{1, 3, w - 1, h - 2}, c.gradientTop, c.gradientBottom);
        DrawGradient(dc, RECT{3, 3, w - 3, h - 3}, kInnerFaceTop, kInnerFaceBottom);
        DrawLine(dc, 1, 1, w, 1, c.topLine1);
        DrawLine(dc, 1, 2, w, 2, c.topLine2);
        DrawLine(dc, 1, h - 3, w, h - 3, c.bottomLine1);
        DrawLine(dc, 2, h - 2, w - 1, h - 2, c.bottomLine2);
    }
    SetCornerPixels(dc, w, h, c);
}

void PaintButtonCaption(HDC dc, int w, int h, std::wstring_view caption, HFONT font, COLORREF textColour)
{
    RECT area{3, 3, w - 3, h - 3};
    win32::SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT));
    SetTextColor(dc, textColour);
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, caption.data(), static_cast<int>(caption.size()), &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

void PaintFocusRectangle(HDC dc, int w, int h)
{
    const RECT area{3, 3, w - 3, h - 3};
    // The dots invert what lies below them: black text colour and white background colour
    // make the pattern's two colours "keep" and "invert".
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &area);
}

UniqueRegion CreateButtonRegion(int w, int h)
{
    return UniqueRegion(CreateRoundRectRgn(0, 0, w + 1, h + 1, 3, 3));
}

}  // namespace wavorin::controls
