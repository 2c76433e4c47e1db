// Pixels as they reached the screen, for tests of how windows are drawn.
#pragma once
#include <windows.h>
#include <vector>

namespace e2e {

struct Screenshot {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;  // row by row from the top, RGB() values
    COLORREF at(int x, int y) const { return pixels[size_t(y) * width + x]; }
};

// Copies a rectangle of the screen (screen coordinates).
Screenshot CaptureScreen(const RECT& rect);
// Copies what the screen shows of a window, frame included; (0, 0) is its top left corner.
Screenshot CaptureWindow(HWND window);

}  // namespace e2e
