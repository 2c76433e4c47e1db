#include "app/line_text.h"
#include <windowsx.h>

namespace {

void PaintParentBackground(HDC dc, HWND control)
{
    const HWND parent = GetParent(control);
    POINT place = {0, 0};
    MapWindowPoints(control, parent, &place, 1);
    POINT oldOrigin;
    OffsetWindowOrgEx(dc, place.x, place.y, &oldOrigin);
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SetWindowOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
}

}  // namespace

void DrawLineOfText(HDC dc, const RECT& area, HWND control, COLORREF color, UINT align)
{
    char text[256];
    const int length = GetWindowTextA(control, text, sizeof text);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, area.left, area.top, area.right, area.bottom);
    PaintParentBackground(dc, control);
    SelectObject(dc, GetWindowFont(control));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, color);
    RECT box = area;
    DrawTextA(dc, text, length, &box, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    RestoreDC(dc, saved);
}

COLORREF StaticTextColorOf(HWND control, HDC dc)
{
    const int saved = SaveDC(dc);
    SendMessageA(GetParent(control), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(control));
    const COLORREF color = GetTextColor(dc);
    RestoreDC(dc, saved);
    return color;
}
