// Drawing the skin's parts: fills, boxes, and a buffer that brings a whole paint to the screen
// in one copy, so that nothing flickers on the way.
#pragma once
#include "skin_model.h"

namespace veneer {

void FillSolid(HDC dc, const RECT& area, COLORREF colour);
void PaintFill(HDC dc, const RECT& area, const Fill& fill);
// A box: its fill inside a one-pixel border.
void PaintBox(HDC dc, const RECT& area, const BoxLook& box);
// The colour a fill shows on the whole, for text painted over it with an opaque background.
COLORREF MeanColour(const Fill& fill);

// Paints go to an off-screen copy of `area` of the target (in the target's coordinates) and
// reach the target in one copy when the buffer goes out of scope.
class PaintBuffer {
public:
    PaintBuffer(HDC target, const RECT& area);
    PaintBuffer(const PaintBuffer&) = delete;
    PaintBuffer& operator=(const PaintBuffer&) = delete;
    ~PaintBuffer();
    HDC dc() const { return dc_; }
    // Lines a pattern brush up so that its first pixel falls on `origin` (target coordinates).
    void AlignPatternAt(POINT origin) const;

private:
    HDC target_;
    RECT area_;
    POINT shift_ = {};  // target coordinates minus canvas coordinates
    HDC dc_ = nullptr;
    int savedState_ = 0;
    bool ownsCanvas_ = false;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
};

// Lets go of the off-screen canvas that paints share.
void ReleasePaintCanvas();

}  // namespace veneer
