// The real Veldrane.exe run through the driver's App from a folder that a test lays out first:
// what lies at the engine's path, a folder that refuses writes, a full disk, a drive root; and
// where the program then takes the engine from.
#pragma once
#include <windows.h>

#include <string>

#include "driver/app.h"

namespace appearance_e2e {

// Options for an App that only copies the program (into `runDir`, or a scratch folder of its
// own when empty) until the test has laid out the folder and calls start(). `showsWindow`:
// start() waits for the main window; otherwise the test waits for what the program shows.
e2e::LaunchOptions LaidOutFirst(bool showsWindow, const std::string& runDir = {});

// Closes the main window through its system menu and waits for the exit code.
DWORD CloseAndWait(e2e::App& app);

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
