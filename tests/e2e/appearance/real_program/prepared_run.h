// The real Veldrane.exe started from a folder that a test has laid out first: what lies at the
// engine's path, a folder that refuses writes, a full disk, a drive root. (The driver's App
// makes a folder of its own and starts the program at once.)
#pragma once
#include <windows.h>

#include <string>

#include "driver/app.h"
#include "driver/handle.h"

namespace appearance_e2e {

// Copies the executable under test into `dir`; returns its path there.
std::string PlaceProgram(const std::string& dir);

class PreparedRun {
public:
    // Starts the program at `exePath` with its own folder as the working directory.
    explicit PreparedRun(const std::string& exePath);
    // Ends the process if it still runs.
    ~PreparedRun();
    PreparedRun(const PreparedRun&) = delete;
    PreparedRun& operator=(const PreparedRun&) = delete;

    DWORD processId() const { return processId_; }
    // Waits until the main window shows; throws when the program ends before that.
    HWND waitForMainWindow() const;
    // The "错误" box, read and dismissed, and how the process ended.
    e2e::FatalReport awaitFatalReport() const;
    // Closes the main window through its system menu and waits for the exit code.
    DWORD closeAndWait(HWND window) const;

private:
    DWORD waitForExit() const;

    e2e::UniqueHandle process_;
    DWORD processId_ = 0;
};

// The full path of the module of that file name loaded in the process; "" when none is.
std::string LoadedModulePath(DWORD processId, const std::string& fileName);

// A folder put in front of this process's PATH while it lives; programs started meanwhile
// inherit it, so Windows finds a library there by its bare name.
class SearchPathFront {
public:
    explicit SearchPathFront(const std::string& dir);
    ~SearchPathFront();
    SearchPathFront(const SearchPathFront&) = delete;
    SearchPathFront& operator=(const SearchPathFront&) = delete;

private:
    std::string saved_;
};

}  // namespace appearance_e2e
