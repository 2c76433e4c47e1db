// Start-up in its fixed order, the message loop and the orderly end.
#include "app/app_state.h"
#include "app/main_window.h"

namespace {

// Returns the code the quit message carries.
int RunMessageLoop()
{
    MarkMessageLoopRunning();
    MSG message = {};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (PreTranslateMainWindowMessage(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

}  // namespace

// The command line and the show-window value are of no use to the program.
int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    InitialiseOle();
    FixRunDirectory();
    if (!RegisterMainWindowClasses(instance)) ReportFatalError("载入窗口模板数据段出错!");
    if (!CreateMainWindow(instance)) ReportFatalError("载入启动窗口失败");
    EndProcess(MainWindowHandle() ? RunMessageLoop() : 0);
}
