// One line of a control's own text on the window's background, as the labels and the link
// box draw themselves.
#pragma once
#include <windows.h>

// Fills `area` with COLOR_BTNFACE and draws the text of `control` in its font and `color`,
// one line, vertically centred, aligned by `align` (DT_LEFT or DT_CENTER).
void DrawLineOfText(HDC dc, const RECT& area, HWND control, COLORREF color, UINT align);
