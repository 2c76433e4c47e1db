// Pictures of windows as they reached the screen, saved as BMP files.
#pragma once
#include <windows.h>
#include <string>

// Saves what the screen shows of `windows` (top-level windows; a window region a skin gives one is kept)
// as one 24-bit BMP file: the bounding box of the windows, with `backdrop` wherever none of
// them lies. False when the screen cannot be read or the file cannot be written.
bool SaveWindowsPicture(const std::string& path, const HWND* windows, int count, COLORREF backdrop);
