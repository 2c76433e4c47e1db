#include "driver/message_box.h"

#include "driver/windows.h"

namespace e2e {
namespace {

std::vector<HWND> Children(HWND parent)
{
    std::vector<HWND> children;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM param) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

bool IsStaticOfStyle(HWND child, LONG type)
{
    return ClassName(child) == "Static" && (GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == type;
}

}  // namespace

MessageBoxWindow MessageBoxWindow::WaitFor(DWORD processId, DWORD timeoutMs, const char* title)
{
    const std::string what = std::string("a message box") + (title ? std::string(" titled ") + title : "") +
                             " of process " + std::to_string(processId);
    HWND box = e2e::WaitFor(what, [&] { return FindTopLevel(processId, "#32770", title); }, timeoutMs);
    return MessageBoxWindow(box, processId);
}

BoxReport MessageBoxWindow::Read() const
{
    BoxReport report;
    report.title = WindowText(box_);
    report.ownerless = GetWindow(box_, GW_OWNER) == nullptr;
    for (HWND child : Children(box_)) {
        if (!IsWindowVisible(child))
            continue;
        if (ClassName(child) == "Button")
            report.buttons.push_back(GetDlgCtrlID(child));
        else if (IsStaticOfStyle(child, SS_ICON))
            report.hasIcon = report.hasIcon || SendTo(child, STM_GETICON) != 0;
        else if (ClassName(child) == "Static")
            report.text += WindowText(child);
    }
    report.othersDisabled = true;
    for (HWND window : TopLevelWindows(processId_)) {
        if (window != box_ && IsWindowVisible(window) && IsWindowEnabled(window))
            report.othersDisabled = false;
    }
    return report;
}

void MessageBoxWindow::Dismiss() const
{
    HWND ok = GetDlgItem(box_, IDOK);
    if (!ok)
        throw DriverError("the message box has no OK button");
    PostMessageA(box_, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
    e2e::WaitFor("the message box to close", [&] { return !IsWindow(box_); });
}

}  // namespace e2e
