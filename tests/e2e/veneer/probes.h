// Where the skin's colours must show on a dressed window, and the check that they do.
#pragma once
#include "harness.h"

namespace veneer_e2e {

struct Probe {
    std::string part;
    POINT at;           // window coordinates
    COLORREF expected;
};

// Gradients are drawn by the system's interpolation: a small difference is allowed.
constexpr int kTolerance = 4;

void ExpectProbes(HWND hwnd, const std::vector<Probe>& probes);

// The caption and the frame of a dressed top-level window, active or not.
std::vector<Probe> FrameProbes(HWND hwnd, const SkinText& skin, bool active);
// A push button's face in a given state ("normal", "hot", "pressed", "focused", ...).
Probe ButtonProbe(HWND top, HWND button, const SkinText& skin, const std::string& state);
// A caption button's face ("close", "minimize", "maximize") in a state.
Probe CaptionButtonProbe(HWND top, LRESULT code, const SkinText& skin, const std::string& key);
// An edit box's border in a state ("normal", "hot", "focused", "disabled").
Probe EditBorderProbe(HWND top, HWND edit, const SkinText& skin, const std::string& state);
// The background of a window's client area at a point of the client area.
Probe BackgroundProbe(HWND top, const SkinText& skin, const std::string& key, POINT inClient);

// Everything the main layout shows right after it was dressed and shown.
std::vector<Probe> MainLayoutProbes(const MainLayout& window, const SkinText& skin);

}  // namespace veneer_e2e
