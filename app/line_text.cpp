#include "app/line_text.h"
#include <windowsx.h>

void DrawLineOfText(HDC dc, const RECT& area, HWND control, COLORREF color, UINT align)
{
    char text[256];
    const int length = GetWindowTextA(control, text, sizeof text);
    FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
    const HGDIOBJ oldFont = SelectObject(dc, GetWindowFont(control));
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldColor = SetTextColor(dc, color);
    RECT box = area;
    DrawTextA(dc, text, length, &box, align | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(dc, oldColor);
    SetBkMode(dc, oldMode);
    SelectObject(dc, oldFont);
}
