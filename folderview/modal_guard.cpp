#include "folderview/modal_guard.h"

namespace {

HWND LiveOrNone(HWND window) { return IsWindow(window) ? window : nullptr; }

}  // namespace

ProgramModality::ProgramModality(std::initializer_list<HWND> programWindows)
    : owner_(LiveOrNone(GetActiveWindow())), foreground_(GetForegroundWindow())
{
    for (HWND window : programWindows) {
        if (!window || GetParent(window)) continue;
        windows_.emplace_back(window, IsWindowEnabled(window) != FALSE);
        EnableWindow(window, FALSE);
    }
}

ProgramModality::~ProgramModality()
{
    for (const auto& [window, enabled] : windows_) EnableWindow(window, enabled);
    if (foreground_ && IsWindow(foreground_)) SetForegroundWindow(foreground_);
    if (owner_ && IsWindow(owner_)) SetActiveWindow(owner_);
}

OwnerModality::OwnerModality(HWND owner)
    : owner_(owner), focus_(GetFocus()), disabled_(owner && IsWindowEnabled(owner))
{
    if (disabled_) EnableWindow(owner_, FALSE);
}

OwnerModality::~OwnerModality()
{
    if (disabled_) EnableWindow(owner_, TRUE);
    if (IsWindow(focus_)) SetFocus(focus_);
}
