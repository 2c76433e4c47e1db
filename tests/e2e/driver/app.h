// The real Veldrane.exe, run from a fresh folder of its own, and driven from outside through
// the Windows API as a user would: find its window and controls, type, click, read its
// message boxes, close it, and check how it ended. Every wait has a timeout (driver/wait.h).
#pragma once
#include <windows.h>
#include <initializer_list>
#include <optional>
#include <string>

#include "app/controls.h"
#include "driver/files.h"
#include "driver/handle.h"
#include "driver/message_box.h"

namespace e2e {

constexpr const char* kMainCaption = "Veldrane by:Tobrik";
constexpr DWORD kFatalExitCode = DWORD(-1);

// The Windows path of the executable under test, from the test program's argument
// --veldrane=<path> (a Linux path is taken as seen under Z:).
std::string VeldranePath();

struct LaunchOptions {
    // An existing folder to copy the executable into and run it from (a drive root "X:", a
    // folder on the small disk); empty: a fresh scratch folder of the App's own.
    std::string runDir;
    std::string workingDirectory;  // where the process starts; empty: its own folder
    std::string arguments;         // the command line after the quoted program path
    // false: only copy the executable, so that the test can lay out the run folder (files
    // beside the program, write protection) before it calls start().
    bool startAtOnce = true;
    bool waitForWindow = true;     // false for runs that never show the main window
};

enum class CloseWay { CloseBox, SystemMenuClose, AltF4, Escape };
const char* Name(CloseWay way);  // for test names

// The fatal error report ("错误" box) and how the process ended after it was dismissed.
struct FatalReport {
    BoxReport box;
    bool mainWindowShown = false;  // the main window was visible while the box showed
    DWORD exitCode = 0;
};

class App {
public:
    // Copies the executable into its run folder and, unless told otherwise, starts it there
    // and waits for its main window.
    explicit App(const LaunchOptions& options = {});
    // Ends the process if it still runs, then removes the scratch folder (if it made one).
    ~App();
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    // Starts the program (once), as the options given to the constructor say.
    void start();

    // Without a trailing backslash ("X:" for a drive root).
    const std::string& runDir() const { return runDir_; }
    std::string exePath() const { return runDir_ + "\\Veldrane.exe"; }
    DWORD processId() const { return processId_; }
    DWORD threadId() const { return threadId_; }
    HWND window() const { return window_; }
    HWND control(ControlId id) const;  // throws when the window has no such control
    bool running() const;

    // Edit boxes: the text as WM_GETTEXT and WM_SETTEXT carry it (ANSI, GBK).
    std::string text(ControlId id) const;
    void setText(ControlId id, const std::string& text) const;
    // Waits until a control shows that text (typed keys arrive on the program's own time).
    void waitForText(ControlId id, const std::string& expected) const;

    // Posts BM_CLICK to a button and returns at once: a modal box may be showing afterwards.
    void click(ControlId button) const;
    // A real left click in the middle of a control.
    void clickWithMouse(ControlId id);
    // The same, for a control that takes the focus; returns once it has it.
    void focusWithMouse(ControlId id);
    // Clicks a command button, reads the message box it shows, dismisses it, and waits until
    // the main window takes input again.
    BoxReport runCommand(ControlId button) const;
    MessageBoxWindow waitForMessageBox(DWORD timeoutMs = kTimeoutMs) const;

    // Brings the main window to the foreground, where real input goes.
    void activate();
    HWND focus() const;  // the window with the keyboard focus in the program's thread
    void pressKey(WORD virtualKey, std::initializer_list<WORD> modifiers = {});
    void type(const std::string& ascii);

    void close(CloseWay way);
    DWORD waitForExit(DWORD timeoutMs = kTimeoutMs) const;  // the exit code
    // Waits for the "错误" box, reads it, dismisses it and waits for the process to end.
    FatalReport awaitFatalReport(DWORD timeoutMs = kStartTimeoutMs) const;

private:
    HWND waitForMainWindow() const;
    POINT closeBoxPoint() const;

    LaunchOptions options_;
    std::optional<ScratchDir> ownDir_;
    std::string runDir_;
    UniqueHandle process_;
    DWORD processId_ = 0;
    DWORD threadId_ = 0;
    HWND window_ = nullptr;
};

// One running program for tests that leave it as they found it (the edit boxes aside): started
// on first use and again when it has ended. When a test fails the program is discarded (it
// may have left a box open), and the next use starts a fresh one.
App& SharedApp();
void DiscardSharedApp();

}  // namespace e2e
