#include "paint.h"
#include <algorithm>

namespace veneer {

namespace {

// One canvas serves every paint of the thread: it only grows, so a repaint allocates nothing.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previousBitmap = nullptr;
    SIZE size = {};
    bool busy = false;
};
Canvas g_canvas;

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour)
{
    TRIVERTEX vertex = {x, y, static_cast<COLOR16>(GetRValue(colour) << 8), static_cast<COLOR16>(GetGValue(colour) << 8),
                        static_cast<COLOR16>(GetBValue(colour) << 8), 0};
    return vertex;
}

bool GrowCanvas(HDC target, SIZE needed)
{
    if (g_canvas.dc && g_canvas.size.cx >= needed.cx && g_canvas.size.cy >= needed.cy) return true;
    const SIZE size = {std::max(needed.cx, g_canvas.size.cx), std::max(needed.cy, g_canvas.size.cy)};
    const HBITMAP bitmap = CreateCompatibleBitmap(target, size.cx, size.cy);
    if (!bitmap) return false;
    if (!g_canvas.dc) g_canvas.dc = CreateCompatibleDC(target);
    if (!g_canvas.dc) {
        DeleteObject(bitmap);
        return false;
    }
    const HGDIOBJ previous = SelectObject(g_canvas.dc, bitmap);
    if (g_canvas.bitmap) DeleteObject(g_canvas.bitmap);
    else g_canvas.previousBitmap = previous;
    g_canvas.bitmap = bitmap;
    g_canvas.size = size;
    return true;
}

}  // namespace

void FillSolid(HDC dc, const RECT& area, COLORREF colour)
{
    // An opaque text-out of nothing fills a rectangle without creating a brush.
    const COLORREF previous = SetBkColor(dc, colour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &area, nullptr, 0, nullptr);
    SetBkColor(dc, previous);
}

void PaintFill(HDC dc, const RECT& area, const Fill& fill)
{
    if (fill.kind == Fill::Kind::Solid || IsRectEmpty(&area)) {
        FillSolid(dc, area, fill.from);
        return;
    }
    TRIVERTEX vertices[2] = {Vertex(area.left, area.top, fill.from), Vertex(area.right, area.bottom, fill.to)};
    GRADIENT_RECT rect = {0, 1};
    const ULONG mode = fill.kind == Fill::Kind::VerticalGradient ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H;
    GdiGradientFill(dc, vertices, 2, &rect, 1, mode);
}

void PaintBox(HDC dc, const RECT& area, const BoxLook& box)
{
    RECT inside = area;
    InflateRect(&inside, -1, -1);
    PaintFill(dc, inside, box.fill);
    const LONG right = area.right, bottom = area.bottom;
    const RECT edges[4] = {{area.left, area.top, right, area.top + 1},
                           {area.left, bottom - 1, right, bottom},
                           {area.left, area.top, area.left + 1, bottom},
                           {right - 1, area.top, right, bottom}};
    for (const RECT& edge : edges) FillSolid(dc, edge, box.border);
}

COLORREF MeanColour(const Fill& fill)
{
    if (fill.kind == Fill::Kind::Solid) return fill.from;
    return RGB((GetRValue(fill.from) + GetRValue(fill.to)) / 2, (GetGValue(fill.from) + GetGValue(fill.to)) / 2,
               (GetBValue(fill.from) + GetBValue(fill.to)) / 2);
}

PaintBuffer::PaintBuffer(HDC target, const RECT& area) : target_(target), area_(area)
{
    const SIZE size = {std::max(1L, area.right - area.left), std::max(1L, area.bottom - area.top)};
    if (!g_canvas.busy && GrowCanvas(target, size)) {
        dc_ = g_canvas.dc;
        g_canvas.busy = true;
    } else {
        // A paint inside a paint (a message sent while painting) gets a canvas of its own.
        dc_ = CreateCompatibleDC(target);
        bitmap_ = dc_ ? CreateCompatibleBitmap(target, size.cx, size.cy) : nullptr;
        if (!bitmap_) {
            if (dc_) DeleteDC(dc_);
            dc_ = target;  // unbuffered rather than not at all
            return;
        }
        previousBitmap_ = SelectObject(dc_, bitmap_);
        ownsCanvas_ = true;
    }
    savedState_ = SaveDC(dc_);
    shift_ = {area.left, area.top};
    SetViewportOrgEx(dc_, -area.left, -area.top, nullptr);
    SelectObject(dc_, GetCurrentObject(target, OBJ_FONT));
}

PaintBuffer::~PaintBuffer()
{
    if (dc_ == target_) return;
    RestoreDC(dc_, savedState_);
    BitBlt(target_, area_.left, area_.top, area_.right - area_.left, area_.bottom - area_.top, dc_, 0, 0, SRCCOPY);
    if (ownsCanvas_) {
        SelectObject(dc_, previousBitmap_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    } else {
        g_canvas.busy = false;
    }
}

void PaintBuffer::AlignPatternAt(POINT origin) const
{
    SetBrushOrgEx(dc_, origin.x - shift_.x, origin.y - shift_.y, nullptr);
}

void ReleasePaintCanvas()
{
    if (!g_canvas.dc) return;
    SelectObject(g_canvas.dc, g_canvas.previousBitmap);
    DeleteObject(g_canvas.bitmap);
    DeleteDC(g_canvas.dc);
    g_canvas = Canvas{};
}

}  // namespace veneer
