// The system's dialogs run a message loop of their own while the program's windows stay
// alive; these guards keep those windows out of reach for as long as a dialog is open and
// put activation, focus and enabled states back the moment it has closed.
#pragma once
#include <windows.h>
#include <initializer_list>
#include <utility>
#include <vector>

// Modal to every top-level window of the program: records the active window (the dialog's
// owner) and the foreground window, then records and disables each top-level window of the
// list. Closing gives each window its recorded state back, in the recorded order, and then
// returns the foreground and the activation to where they were, since the system hands them
// to some other window when a dialog with a disabled owner goes away.
class ProgramModality {
public:
    explicit ProgramModality(std::initializer_list<HWND> programWindows);
    ~ProgramModality();
    ProgramModality(const ProgramModality&) = delete;
    ProgramModality& operator=(const ProgramModality&) = delete;

    // The window the dialog belongs to: the active window, or none.
    HWND Owner() const { return owner_; }

private:
    HWND owner_;
    HWND foreground_;
    std::vector<std::pair<HWND, bool>> windows_;  // handle and whether it was enabled
};

// Modal to one owner window: remembers the keyboard focus and disables the owner when it is
// enabled; closing re-enables only what it disabled and gives the focus back.
class OwnerModality {
public:
    explicit OwnerModality(HWND owner);
    ~OwnerModality();
    OwnerModality(const OwnerModality&) = delete;
    OwnerModality& operator=(const OwnerModality&) = delete;

private:
    HWND owner_;
    HWND focus_;
    bool disabled_;
};
