// One line of a control's own text on its parent's background, as the labels and the link
// box draw themselves.
#pragma once
#include <windows.h>

// Has the parent paint its background behind `control` into `dc`, then draws the text of
// `control` in its font and `color`, one line, vertically centred, aligned by `align`
// (DT_LEFT or DT_CENTER). The background is whatever the parent paints: the window's own
// COLOR_BTNFACE, or a skin's when the skin engine dresses the window.
void DrawLineOfText(HDC dc, const RECT& area, HWND control, COLORREF color, UINT align);

// The text colour the parent gives a static control of its own (WM_CTLCOLORSTATIC): what the
// main window answers for its labels, or what a skin answers in its place.
COLORREF StaticTextColorOf(HWND control, HDC dc);
