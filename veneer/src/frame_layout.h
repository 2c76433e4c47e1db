// Where the parts of a dressed frame lie: pure geometry from the window's size, its styles and
// the skin's metrics, shared by the painter and the hit test so that both always agree.
#pragma once
#include "skin_model.h"

namespace veneer {

struct FrameShape {
    SIZE window;       // outer size
    DWORD style;
    DWORD exStyle;
    bool hasIcon;      // a system-menu icon at the caption's left
};

// Rectangles in window coordinates; an absent part has an empty rectangle.
struct FrameLayout {
    RECT client;
    RECT caption;
    RECT icon;
    RECT title;
    RECT close;
    RECT maximize;
    RECT minimize;
};

FrameLayout LayoutFrame(const FrameShape& shape, const Metrics& metrics);

// The hit-test code (HTCAPTION, HTCLOSE, HTLEFT...) of a point in window coordinates.
LRESULT HitTestFrame(const FrameShape& shape, const FrameLayout& layout, const Metrics& metrics, POINT point);

}  // namespace veneer
