#include "driver/app.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>

#include "driver/input.h"
#include "driver/wait.h"
#include "driver/windows.h"

namespace e2e {
namespace {

std::string ErrorText(const std::string& what)
{
    return what + " (error " + std::to_string(GetLastError()) + ")";
}

bool ProcessEnded(HANDLE process)
{
    return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
}

DWORD ExitCodeOf(HANDLE process)
{
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    return code;
}

POINT Centre(const RECT& rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

std::unique_ptr<App>& SharedAppSlot()
{
    static std::unique_ptr<App> app;
    return app;
}

// A failed test may have left a box open or the program in any state: the next test that asks
// for the shared program gets a fresh one.
class DiscardSharedAppOnFailure : public ::testing::EmptyTestEventListener {
    void OnTestEnd(const ::testing::TestInfo& test) override
    {
        if (test.result()->Failed())
            DiscardSharedApp();
    }
};

}  // namespace

App& SharedApp()
{
    static const bool listening = [] {
        ::testing::UnitTest::GetInstance()->listeners().Append(new DiscardSharedAppOnFailure);
        return true;
    }();
    (void)listening;
    std::unique_ptr<App>& app = SharedAppSlot();
    if (!app || !app->running()) {
        app.reset();
        app = std::make_unique<App>();
    }
    return *app;
}

void DiscardSharedApp()
{
    SharedAppSlot().reset();
}

std::string VeldranePath()
{
    constexpr const char* kFlag = "--veldrane=";
    for (int i = 1; i < __argc; ++i) {
        if (std::strncmp(__argv[i], kFlag, std::strlen(kFlag)) == 0) {
            const std::string path = __argv[i] + std::strlen(kFlag);
            return path.front() == '/' ? WindowsPathOfUnix(path) : path;
        }
    }
    throw DriverError("the test program needs --veldrane=<path of Veldrane.exe>");
}

App::App(const LaunchOptions& options) : options_(options)
{
    if (options.runDir.empty())
        ownDir_.emplace("run");
    runDir_ = ownDir_ ? ownDir_->path() : options.runDir;
    const std::string source = VeldranePath();
    if (!CopyFileA(source.c_str(), exePath().c_str(), TRUE))
        throw DriverError(ErrorText("cannot copy " + source + " to " + exePath()));
    if (options.startAtOnce)
        start();
}

void App::start()
{
    if (process_)
        throw DriverError("the program was started already");
    std::string commandLine = "\"" + exePath() + "\"";
    if (!options_.arguments.empty())
        commandLine += " " + options_.arguments;
    // The trailing backslash makes "X:" the root of that drive rather than its current folder.
    const std::string directory = options_.workingDirectory.empty() ? runDir_ + "\\" : options_.workingDirectory;
    STARTUPINFOA startup = { sizeof(startup) };
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(exePath().c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        directory.c_str(), &startup, &info))
        throw DriverError(ErrorText("cannot start " + commandLine));
    process_ = OwnHandle(info.hProcess);
    UniqueHandle thread = OwnHandle(info.hThread);
    processId_ = info.dwProcessId;
    threadId_ = info.dwThreadId;
    if (!options_.waitForWindow)
        return;
    try {
        window_ = waitForMainWindow();
    } catch (...) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), kTimeoutMs);
        throw;
    }
}

App::~App()
{
    if (running()) {
        TerminateProcess(process_.get(), 1);
        WaitForSingleObject(process_.get(), kTimeoutMs);
    }
}

HWND App::waitForMainWindow() const
{
    return WaitFor("the main window \"" + std::string(kMainCaption) + "\"", [&] {
        if (ProcessEnded(process_.get()))
            throw DriverError("the program ended with exit code " + std::to_string(ExitCodeOf(process_.get())) +
                              " before its main window showed");
        return FindTopLevel(processId_, nullptr, kMainCaption);
    }, kStartTimeoutMs);
}

HWND App::control(ControlId id) const
{
    HWND child = GetDlgItem(window_, id);
    if (!child)
        throw DriverError("the main window has no control with ID " + std::to_string(int(id)));
    return child;
}

bool App::running() const
{
    return process_ && !ProcessEnded(process_.get());
}

std::string App::text(ControlId id) const
{
    return WindowText(control(id));
}

void App::setText(ControlId id, const std::string& text) const
{
    if (!SendTo(control(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())))
        throw DriverError("control " + std::to_string(int(id)) + " refused WM_SETTEXT");
}

void App::waitForText(ControlId id, const std::string& expected) const
{
    std::string seen;
    try {
        WaitFor("control " + std::to_string(int(id)) + " to show \"" + Utf8(expected) + "\"", [&] {
            seen = text(id);
            return seen == expected;
        });
    } catch (const DriverError& error) {
        throw DriverError(error.what() + std::string("; it shows \"") + Utf8(seen) + "\"");
    }
}

void App::click(ControlId button) const
{
    PostMessageA(control(button), BM_CLICK, 0, 0);
}

void App::clickWithMouse(ControlId id)
{
    activate();
    RECT rect = {};
    GetWindowRect(control(id), &rect);
    ClickAt(Centre(rect));
}

void App::focusWithMouse(ControlId id)
{
    // Wine can lose a click while it still maps a new window on the X server: click again
    // until the focus arrives.
    ULONGLONG nextClick = 0;
    WaitFor("control " + std::to_string(int(id)) + " to take the focus", [&] {
        if (focus() == control(id))
            return true;
        if (GetTickCount64() >= nextClick) {
            clickWithMouse(id);
            nextClick = GetTickCount64() + 500;
        }
        return false;
    });
}

MessageBoxWindow App::waitForMessageBox(DWORD timeoutMs) const
{
    return MessageBoxWindow::WaitFor(processId_, timeoutMs);
}

BoxReport App::runCommand(ControlId button) const
{
    click(button);
    const MessageBoxWindow box = waitForMessageBox();
    const BoxReport report = box.Read();
    box.Dismiss();
    WaitFor("the main window to take input again", [&] { return IsWindowEnabled(window_); });
    return report;
}

void App::activate()
{
    WaitFor("the main window to come to the foreground", [&] {
        if (GetForegroundWindow() != window_)
            SetForegroundWindow(window_);
        return GetForegroundWindow() == window_;
    });
}

HWND App::focus() const
{
    GUITHREADINFO info = { sizeof(info) };
    if (!GetGUIThreadInfo(threadId_, &info))
        throw DriverError(ErrorText("GetGUIThreadInfo failed"));
    return info.hwndFocus;
}

void App::pressKey(WORD virtualKey, std::initializer_list<WORD> modifiers)
{
    activate();
    PressKey(virtualKey, modifiers);
}

void App::type(const std::string& ascii)
{
    activate();
    TypeText(ascii);
}

POINT App::closeBoxPoint() const
{
    // Wine draws the frame itself; ask the window where its close box is rather than guess
    // the metrics of a tool-window caption.
    RECT rect = {};
    GetWindowRect(window_, &rect);
    for (int y = rect.top + 1; y < rect.top + 40; y += 2) {
        for (int x = rect.right - 2; x > rect.right - 60; --x) {
            if (SendTo(window_, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == HTCLOSE)
                return {x - 3, y + 3};
        }
    }
    throw DriverError("the main window has no close box in its caption");
}

const char* Name(CloseWay way)
{
    switch (way) {
    case CloseWay::CloseBox: return "CloseBox";
    case CloseWay::SystemMenuClose: return "SystemMenuClose";
    case CloseWay::AltF4: return "AltF4";
    case CloseWay::Escape: return "Escape";
    }
    return "?";
}

void App::close(CloseWay way)
{
    switch (way) {
    case CloseWay::CloseBox:
        activate();
        ClickAt(closeBoxPoint());
        break;
    case CloseWay::SystemMenuClose:
        PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
    case CloseWay::AltF4:
        pressKey(VK_F4, {VK_MENU});
        break;
    case CloseWay::Escape:
        pressKey(VK_ESCAPE);
        break;
    }
}

DWORD App::waitForExit(DWORD timeoutMs) const
{
    WaitFor("the program to exit", [&] { return ProcessEnded(process_.get()); }, timeoutMs);
    return ExitCodeOf(process_.get());
}

FatalReport App::awaitFatalReport(DWORD timeoutMs) const
{
    const MessageBoxWindow box = MessageBoxWindow::WaitFor(processId_, timeoutMs, "错误");
    FatalReport report;
    report.box = box.Read();
    report.mainWindowShown = FindTopLevel(processId_, nullptr, kMainCaption) != nullptr;
    box.Dismiss();
    report.exitCode = waitForExit();
    return report;
}

}  // namespace e2e
