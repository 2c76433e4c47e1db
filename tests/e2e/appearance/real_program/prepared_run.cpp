#include "prepared_run.h"

#include <tlhelp32.h>

#include <vector>

#include "driver/files.h"
#include "driver/message_box.h"
#include "driver/wait.h"
#include "driver/windows.h"

namespace appearance_e2e {
namespace {

std::string FileNameOf(const std::string& path)
{
    return path.substr(path.rfind('\\') + 1);
}

bool Ended(HANDLE process)
{
    return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

}  // namespace

std::string PlaceProgram(const std::string& dir)
{
    const std::string source = e2e::VeldranePath();
    const std::string target = dir + "\\Veldrane.exe";
    if (!CopyFileA(source.c_str(), target.c_str(), TRUE))
        throw e2e::DriverError("cannot copy " + source + " to " + target);
    return target;
}

PreparedRun::PreparedRun(const std::string& exePath)
{
    std::string commandLine = "\"" + exePath + "\"";
    const std::string dir = exePath.substr(0, exePath.rfind('\\') + 1);
    STARTUPINFOA startup = { sizeof(startup) };
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(),
                        &startup, &info))
        throw e2e::DriverError("cannot start " + commandLine + " (error " + std::to_string(GetLastError()) + ")");
    process_ = e2e::OwnHandle(info.hProcess);
    e2e::UniqueHandle thread = e2e::OwnHandle(info.hThread);
    processId_ = info.dwProcessId;
}

PreparedRun::~PreparedRun()
{
    if (!Ended(process_.get())) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), e2e::kTimeoutMs);
    }
}

HWND PreparedRun::waitForMainWindow() const
{
    return e2e::WaitFor("the main window", [&] {
        if (Ended(process_.get()))
            throw e2e::DriverError("the program ended with exit code " + std::to_string(waitForExit()) +
                                   " before its main window showed");
        return e2e::FindTopLevel(processId_, nullptr, e2e::kMainCaption);
    }, e2e::kStartTimeoutMs);
}

e2e::FatalReport PreparedRun::awaitFatalReport() const
{
    const auto box = e2e::MessageBoxWindow::WaitFor(processId_, e2e::kStartTimeoutMs, "错误");
    e2e::FatalReport report;
    report.box = box.Read();
    report.mainWindowShown = e2e::FindTopLevel(processId_, nullptr, e2e::kMainCaption) != nullptr;
    box.Dismiss();
    report.exitCode = waitForExit();
    return report;
}

DWORD PreparedRun::closeAndWait(HWND window) const
{
    PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
    return waitForExit();
}

DWORD PreparedRun::waitForExit() const
{
    e2e::WaitFor("the program to exit", [&] { return Ended(process_.get()); });
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
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
