// Message boxes of another process: found by class "#32770", read, and dismissed.
#pragma once
#include <windows.h>
#include <ostream>
#include <string>
#include <vector>

#include "driver/wait.h"

namespace e2e {

// What a message box showed, read while it was open.
struct BoxReport {
    std::string title;
    std::string text;          // the message's static control
    bool hasIcon = false;      // an icon was set (MB_ICONERROR and friends)
    std::vector<int> buttons;  // IDs of its buttons, IDOK (1) alone for MB_OK
    bool ownerless = false;    // no owner window
    // Every other visible top-level window of the process was disabled while it showed:
    // what MB_TASKMODAL without an owner does.
    bool othersDisabled = false;
};

bool operator==(const BoxReport& a, const BoxReport& b);
inline bool operator!=(const BoxReport& a, const BoxReport& b) { return !(a == b); }
// For GoogleTest's messages: texts converted to UTF-8 so that a terminal can show them.
void PrintTo(const BoxReport& report, std::ostream* out);

class MessageBoxWindow {
public:
    // Waits for a visible message box of the process; optionally with that title.
    static MessageBoxWindow WaitFor(DWORD processId, DWORD timeoutMs = kTimeoutMs, const char* title = nullptr);
    HWND handle() const { return box_; }
    BoxReport Read() const;
    // Presses OK and waits until the box has gone.
    void Dismiss() const;

private:
    MessageBoxWindow(HWND box, DWORD processId) : box_(box), processId_(processId) {}
    HWND box_;
    DWORD processId_;
};

}  // namespace e2e
