#include "launch.h"

#include <tlhelp32.h>

#include <vector>

#include "driver/handle.h"
#include "driver/wait.h"

namespace appearance_e2e {
namespace {

std::string FileNameOf(const std::string& path)
{
    return path.substr(path.rfind('\\') + 1);
}

}  // namespace

e2e::LaunchOptions LaidOutFirst(bool showsWindow, const std::string& runDir)
{
    e2e::LaunchOptions options;
    options.runDir = runDir;
    options.startAtOnce = false;
    options.waitForWindow = showsWindow;
    return options;
}

DWORD CloseAndWait(e2e::App& app)
{
    app.close(e2e::CloseWay::SystemMenuClose);
    return app.waitForExit();
}

std::string LoadedModulePath(DWORD processId, const std::string& fileName)
{
    const e2e::UniqueHandle snapshot = e2e::OwnHandle(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, processId));
    if (!snapshot)
        throw e2e::DriverError("cannot list the modules of process " + std::to_string(processId));
    MODULEENTRY32 module = { sizeof(module) };
    for (BOOL more = Module32First(snapshot.get(), &module); more; more = Module32Next(snapshot.get(), &module)) {
        if (lstrcmpiA(FileNameOf(module.szExePath).c_str(), fileName.c_str()) == 0)
            return module.szExePath;
    }
    return {};
}

SearchPathFront::SearchPathFront(const std::string& dir)
{
    std::vector<char> path(GetEnvironmentVariableA("PATH", nullptr, 0) + 1, '\0');
    GetEnvironmentVariableA("PATH", path.data(), static_cast<DWORD>(path.size()));
    saved_ = path.data();
    SetEnvironmentVariableA("PATH", (dir + ";" + saved_).c_str());
}

SearchPathFront::~SearchPathFront()
{
    SetEnvironmentVariableA("PATH", saved_.c_str());
}

}  // namespace appearance_e2e
