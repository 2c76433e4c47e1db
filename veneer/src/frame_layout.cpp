#include "frame_layout.h"
#include <algorithm>

namespace veneer {

namespace {

bool Resizable(DWORD style) { return (style & WS_THICKFRAME) && !(style & (WS_MAXIMIZE | WS_MINIMIZE)); }

// Minimise and maximise come as a pair, as on Windows: one of them alone shows the other disabled.
bool HasSizeBoxes(DWORD style, DWORD exStyle)
{
    return (style & WS_SYSMENU) && (style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) && !(exStyle & WS_EX_TOOLWINDOW);
}

RECT ButtonLeftOf(LONG right, const RECT& caption, int margin)
{
    const int side = std::max<int>(1, (caption.bottom - caption.top) - 2 * margin);
    return {right - side, caption.top + margin, right, caption.top + margin + side};
}

// On a resizable frame the border sizes the window; near a corner it sizes both ways.
LRESULT SizingCode(const FrameShape& shape, const Metrics& metrics, POINT p)
{
    const LONG w = shape.window.cx, h = shape.window.cy;
    const int f = metrics.frameWidth, reach = metrics.captionHeight;
    const bool onLeft = p.x < f, onRight = p.x >= w - f, onTop = p.y < f, onBottom = p.y >= h - f;
    if (!(onLeft || onRight || onTop || onBottom)) return 0;
    const bool nearLeft = p.x < reach, nearRight = p.x >= w - reach;
    const bool nearTop = p.y < reach, nearBottom = p.y >= h - reach;
    if ((onLeft && nearTop) || (onTop && nearLeft)) return HTTOPLEFT;
    if ((onRight && nearTop) || (onTop && nearRight)) return HTTOPRIGHT;
    if ((onLeft && nearBottom) || (onBottom && nearLeft)) return HTBOTTOMLEFT;
    if ((onRight && nearBottom) || (onBottom && nearRight)) return HTBOTTOMRIGHT;
    if (onLeft) return HTLEFT;
    if (onRight) return HTRIGHT;
    return onTop ? HTTOP : HTBOTTOM;
}

}  // namespace

FrameLayout LayoutFrame(const FrameShape& shape, const Metrics& metrics)
{
    const LONG w = shape.window.cx, h = shape.window.cy;
    const int f = metrics.frameWidth, c = metrics.captionHeight;
    const int margin = std::max(2, c / 7);
    FrameLayout layout = {};
    layout.caption = {f, f, std::max<LONG>(f, w - f), std::min<LONG>(h, f + c)};
    layout.client = {f, layout.caption.bottom, std::max<LONG>(f, w - f), std::max<LONG>(layout.caption.bottom, h - f)};

    LONG right = layout.caption.right - margin;
    if (shape.style & WS_SYSMENU) {
        layout.close = ButtonLeftOf(right, layout.caption, margin);
        right = layout.close.left - margin;
        if (HasSizeBoxes(shape.style, shape.exStyle)) {
            layout.maximize = ButtonLeftOf(right, layout.caption, margin);
            layout.minimize = ButtonLeftOf(layout.maximize.left - margin / 2, layout.caption, margin);
            right = layout.minimize.left - margin;
        }
    }
    LONG left = layout.caption.left + margin;
    if (shape.hasIcon) {
        const int side = std::min(16, c - 2 * margin);
        const LONG top = layout.caption.top + (c - side) / 2;
        layout.icon = {left, top, left + side, top + side};
        left = layout.icon.right + margin;
    }
    layout.title = {left + 2, layout.caption.top, std::max(left + 2, right), layout.caption.bottom};
    return layout;
}

LRESULT HitTestFrame(const FrameShape& shape, const FrameLayout& layout, const Metrics& metrics, POINT p)
{
    if (p.x < 0 || p.y < 0 || p.x >= shape.window.cx || p.y >= shape.window.cy) return HTNOWHERE;
    if (PtInRect(&layout.client, p)) return HTCLIENT;
    if (Resizable(shape.style)) {
        if (const LRESULT sizing = SizingCode(shape, metrics, p)) return sizing;
    }
    const struct {
        const RECT& area;
        LRESULT code;
    } parts[] = {{layout.close, HTCLOSE}, {layout.maximize, HTMAXBUTTON}, {layout.minimize, HTMINBUTTON},
                 {layout.icon, HTSYSMENU}, {layout.caption, HTCAPTION}};
    for (const auto& part : parts) {
        if (PtInRect(&part.area, p)) return part.code;
    }
    return HTBORDER;
}

}  // namespace veneer
