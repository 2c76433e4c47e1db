// Process-wide state of the program: the run directory, OLE, the outside libraries it has
// loaded, and the two ways the process ends (orderly, or through the fatal error report).
#pragma once
#include <windows.h>
#include <string>

// Start-up: OLE for this thread (an apartment of its own), then the run directory, fixed
// from the executable's path and made the current directory.
void InitialiseOle();
void FixRunDirectory();

// The quit rule only ends a loop that is running.
void MarkMessageLoopRunning();

// The directory of the executable, without a trailing backslash; a fresh copy per call.
std::string RunDirectory();

// Libraries loaded for outside functions stay loaded until the exit clean-up unloads them.
void RegisterOutsideLibrary(HMODULE library);

// The top-level windows the program has made (the main window alone), for modal dialogs.
HWND MainWindowHandle();

// Posts the quit message once no window of the program is left and the loop is running.
void ApplyQuitRule();

// Runs the exit clean-up and ends the process with the given code.
[[noreturn]] void EndProcess(int exitCode);

// Shows the fatal error box with the message (GBK text), then ends the process with -1.
[[noreturn]] void ReportFatalError(const std::string& message);

// The same for a message that is already a zero-terminated text; allocates nothing, so that a
// failed allocation can be reported.
[[noreturn]] void ReportFatalErrorText(const char* message);
