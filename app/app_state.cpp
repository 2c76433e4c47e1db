#include "app/app_state.h"
#include "app/fatal_error_text.h"
#include "app/run_directory.h"
#include <ole2.h>
#include <vector>

namespace {

// The application state record: made before anything else runs, gone last.
struct AppState {
    std::string runDirectory;
    bool oleInitialised = false;
    bool messageLoopRunning = false;
    std::vector<HMODULE> outsideLibraries;
};

AppState g_state;

void CleanUpForExit()
{
    for (HMODULE library : g_state.outsideLibraries) FreeLibrary(library);
    g_state.outsideLibraries.clear();
    if (g_state.oleInitialised) OleUninitialize();
}

}  // namespace

void InitialiseOle()
{
    // A failure leaves the folder browser without OLE; nothing else depends on it.
    OleInitialize(nullptr);
    g_state.oleInitialised = true;
}

void FixRunDirectory()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    g_state.runDirectory = RunDirectoryOf(path, GetACP());
    SetCurrentDirectoryA(g_state.runDirectory.c_str());
}

void MarkMessageLoopRunning() { g_state.messageLoopRunning = true; }

std::string RunDirectory() { return g_state.runDirectory; }

void RegisterOutsideLibrary(HMODULE library) { g_state.outsideLibraries.push_back(library); }

void ApplyQuitRule()
{
    if (!MainWindowHandle() && g_state.messageLoopRunning) PostQuitMessage(0);
}

void EndProcess(int exitCode)
{
    CleanUpForExit();
    ExitProcess(static_cast<UINT>(exitCode));
}

void ReportFatalError(const std::string& message) { ReportFatalErrorText(message.c_str()); }

void ReportFatalErrorText(const char* message)
{
    // A failure inside the report itself (say, memory again) must not report without end.
    static bool reporting = false;
    if (!reporting) {
        reporting = true;
        MessageBoxA(nullptr, FatalErrorText(message).c_str(), "错误", MB_OK | MB_ICONERROR);
    }
    EndProcess(-1);
}
