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

bool operator==(const BoxReport& a, const BoxReport& b)
{
    return a.title == b.title && a.text == b.text && a.hasIcon == b.hasIcon && a.buttons == b.buttons &&
           a.ownerless == b.ownerless && a.othersDisabled == b.othersDisabled;
}

void PrintTo(const BoxReport& report, std::ostream* out)
{
    *out << "{title \"" << Utf8(report.title) << "\", text \"" << Utf8(report.text) << "\", "
         << (report.hasIcon ? "icon" : "no icon") << ", buttons";
    for (int id : report.buttons)
        *out << " " << id;
    *out << (report.ownerless ? ", no owner" : ", owned") << (report.othersDisabled ? ", task-modal}" : ", not task-modal}");
}

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
    PostMessageA(ok, BM_CLICK, 0, 0);
    e2e::WaitFor("the message box to close", [&] { return !IsWindow(box_) || !IsWindowVisible(box_); });
}

}  // namespace e2e
