// The fixed description of the main window's controls, in the order of its control list.
#pragma once
#include "app/controls.h"
#include <array>
#include <vector>

enum class ControlKind { LinkBox, Button, CommonDialog, EditBox, Label };

struct ControlSpec {
    ControlId id;
    ControlKind kind;
    int left, top, width, height;  // in the main window's client area
    const char* text;
};

extern const std::array<ControlSpec, 10> kControlTable;

// Buttons and edit boxes take the focus by Tab; labels, the link box and the common dialog never.
bool IsTabStop(ControlKind kind);

// What the keyboard handling needs to know of one control of the list at the moment.
struct FocusCandidate {
    int id;
    bool tabStop;
    bool visible;
    bool enabled;
};

// The visible, enabled tab stops, taken from the end of the control list to its start.
std::vector<int> FocusOrder(const std::vector<FocusCandidate>& controlList);

// The control after `current` in `order` (before it when `backward`), wrapping around; the
// first (or last) one when `current` is not in the order; 0 when the order is empty.
int NextFocus(const std::vector<int>& order, int current, bool backward);
