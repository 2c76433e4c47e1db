#include "app/app_state.h"

std::string RunDirectory() { return {}; }
void RegisterOutsideLibrary(HMODULE) {}
HWND MainWindowHandle() { return nullptr; }
void ApplyQuitRule() { PostQuitMessage(0); }
void EndProcess(int exitCode) { ExitProcess(static_cast<UINT>(exitCode)); }
void ReportFatalError(const std::string& message)
{
    MessageBoxA(nullptr, message.c_str(), "错误", MB_OK | MB_ICONERROR);
    EndProcess(-1);
}
