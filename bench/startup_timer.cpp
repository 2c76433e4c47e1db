// Measures one start of a program: the time from CreateProcess to its first visible top-level
// window with a given caption, printed in milliseconds. Then it closes that window as a user
// would. The caption keeps an error box from being taken for the main window.
//
// usage: startup_timer PROGRAM CAPTION
#include <windows.h>
#include <cstdio>
#include <cstring>

namespace {

constexpr double kTimeoutMs = 20000;
constexpr DWORD kPollMs = 2;
constexpr DWORD kCloseWaitMs = 5000;

// Owns the two handles CreateProcess hands out.
struct Process {
    PROCESS_INFORMATION info = {};
    Process() = default;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process()
    {
        if (info.hThread)
            CloseHandle(info.hThread);
        if (info.hProcess)
            CloseHandle(info.hProcess);
    }
    bool HasExited() const { return WaitForSingleObject(info.hProcess, 0) == WAIT_OBJECT_0; }
};

struct WindowSearch {
    DWORD processId;
    const char* caption;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND hwnd, LPARAM param)
{
    auto* search = reinterpret_cast<WindowSearch*>(param);
    DWORD processId = 0;
    GetWindowThreadProcessId(hwnd, &processId);
    char caption[256] = {};
    if (processId != search->processId || !IsWindowVisible(hwnd)
        || !GetWindowTextA(hwnd, caption, sizeof(caption)) || std::strcmp(caption, search->caption))
        return TRUE;
    search->found = hwnd;
    return FALSE;
}

HWND VisibleWindow(const Process& process, const char* caption)
{
    WindowSearch search = {process.info.dwProcessId, caption, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

double Now()
{
    static LARGE_INTEGER frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return f; }();
    LARGE_INTEGER count;
    QueryPerformanceCounter(&count);
    return 1000.0 * static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

bool Start(const char* program, Process& process)
{
    char commandLine[MAX_PATH + 2];
    if (std::snprintf(commandLine, sizeof(commandLine), "\"%s\"", program) >= int(sizeof(commandLine)))
        return false;
    STARTUPINFOA startup = {sizeof(startup)};
    return CreateProcessA(program, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process.info);
}

void Close(const Process& process, HWND window)
{
    PostMessageA(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(process.info.hProcess, kCloseWaitMs) != WAIT_OBJECT_0)
        TerminateProcess(process.info.hProcess, 1);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: startup_timer PROGRAM CAPTION\n");
        return 2;
    }
    Process process;
    const double start = Now();
    if (!Start(argv[1], process)) {
        std::fprintf(stderr, "cannot start %s (error %lu)\n", argv[1], GetLastError());
        return 1;
    }
    for (;;) {
        if (HWND window = VisibleWindow(process, argv[2])) {
            std::printf("%.1f\n", Now() - start);
            Close(process, window);
            return 0;
        }
        if (process.HasExited() || Now() - start > kTimeoutMs) {
            std::fprintf(stderr, "%s showed no window \"%s\"\n", argv[1], argv[2]);
            TerminateProcess(process.info.hProcess, 1);
            return 1;
        }
        Sleep(kPollMs);
    }
}
