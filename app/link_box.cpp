#include "app/link_box.h"
#include "app/line_text.h"
#include "app/link_command.h"
#include "resources/resource_ids.h"
#include <windowsx.h>
#include <shellapi.h>
#include <string>

namespace {

// Window extra bytes: the state flags, then the font that WM_SETFONT handed over.
constexpr int kFlagsSlot = 0;
constexpr int kFontSlot = sizeof(LONG_PTR);
constexpr LONG_PTR kHover = 1;
constexpr LONG_PTR kVisited = 2;

constexpr COLORREF kNormalColor = RGB(0, 0, 255);
constexpr COLORREF kHoverColor = RGB(49, 106, 197);
constexpr COLORREF kVisitedColor = RGB(128, 0, 0);

bool HasFlag(HWND hwnd, LONG_PTR flag) { return (GetWindowLongPtrA(hwnd, kFlagsSlot) & flag) != 0; }

void SetFlag(HWND hwnd, LONG_PTR flag, bool on)
{
    const LONG_PTR flags = GetWindowLongPtrA(hwnd, kFlagsSlot);
    SetWindowLongPtrA(hwnd, kFlagsSlot, on ? flags | flag : flags & ~flag);
    InvalidateRect(hwnd, nullptr, FALSE);
}

COLORREF TextColor(HWND hwnd)
{
    if (HasFlag(hwnd, kHover)) return kHoverColor;
    return HasFlag(hwnd, kVisited) ? kVisitedColor : kNormalColor;
}

void PaintContent(HWND hwnd, HDC dc)
{
    RECT client;
    GetClientRect(hwnd, &client);
    DrawLineOfText(dc, client, hwnd, TextColor(hwnd), DT_CENTER);
}

void OnPaint(HWND hwnd)
{
    PAINTSTRUCT ps;
    if (HDC dc = BeginPaint(hwnd, &ps)) {
        PaintContent(hwnd, dc);
        EndPaint(hwnd, &ps);
    }
}

// The default value of a key under HKEY_CLASSES_ROOT, "" when there is none.
std::string ClassesRootDefault(const std::string& subkey)
{
    LONG size = 0;
    if (RegQueryValueA(HKEY_CLASSES_ROOT, subkey.c_str(), nullptr, &size) != ERROR_SUCCESS || size <= 1) return {};
    std::string value(static_cast<std::size_t>(size), '\0');
    if (RegQueryValueA(HKEY_CLASSES_ROOT, subkey.c_str(), &value[0], &size) != ERROR_SUCCESS) return {};
    value.resize(value.find('\0'));
    return value;
}

std::string RegisteredHtmOpenCommand()
{
    const std::string fileType = ClassesRootDefault(".htm");
    return fileType.empty() ? std::string() : ClassesRootDefault(fileType + "\\shell\\open\\command");
}

// The shell first; when it cannot, the program that opens ".htm" files, given the address.
bool OpenAddress(const std::string& address)
{
    const HINSTANCE shell = ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOW);
    if (reinterpret_cast<INT_PTR>(shell) > 32) return true;
    const std::string command = RegisteredHtmOpenCommand();
    return !command.empty() && WinExec(BrowserCommandLine(command, address).c_str(), SW_SHOW) > 32;
}

std::string OwnText(HWND hwnd)
{
    char text[256];
    return std::string(text, static_cast<std::size_t>(GetWindowTextA(hwnd, text, sizeof text)));
}

// Holding the capture is what tells the box that the pointer has left its rectangle.
void OnMouseMove(HWND hwnd, int x, int y, UINT)
{
    RECT client;
    GetClientRect(hwnd, &client);
    const bool inside = PtInRect(&client, POINT{x, y}) != FALSE;
    if (inside && GetCapture() != hwnd) {
        SetCapture(hwnd);
        SetFlag(hwnd, kHover, true);
    } else if (!inside && GetCapture() == hwnd) {
        ReleaseCapture();  // WM_CAPTURECHANGED drops the hover colour
    }
}

void OnLButtonDown(HWND hwnd, BOOL, int, int, UINT)
{
    if (OpenAddress(OwnText(hwnd))) SetFlag(hwnd, kVisited, true);
}

void OnSetFont(HWND hwnd, HFONT font, BOOL redraw)
{
    SetWindowLongPtrA(hwnd, kFontSlot, reinterpret_cast<LONG_PTR>(font));
    if (redraw) InvalidateRect(hwnd, nullptr, FALSE);
}

HFONT OnGetFont(HWND hwnd) { return reinterpret_cast<HFONT>(GetWindowLongPtrA(hwnd, kFontSlot)); }

LRESULT CALLBACK LinkBoxProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(hwnd, WM_PAINT, OnPaint);
        HANDLE_MSG(hwnd, WM_MOUSEMOVE, OnMouseMove);
        HANDLE_MSG(hwnd, WM_LBUTTONDOWN, OnLButtonDown);
        HANDLE_MSG(hwnd, WM_SETFONT, OnSetFont);
        HANDLE_MSG(hwnd, WM_GETFONT, OnGetFont);
    case WM_PRINTCLIENT:
        PaintContent(hwnd, reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_CAPTURECHANGED:
        SetFlag(hwnd, kHover, false);
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the paint fills the whole box itself
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

}  // namespace

bool RegisterLinkBoxClass(HINSTANCE instance)
{
    WNDCLASSEXA wc = { sizeof(wc) };
    wc.lpfnWndProc = LinkBoxProc;
    wc.cbWndExtra = 2 * sizeof(LONG_PTR);
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(instance, MAKEINTRESOURCEA(IDC_HAND_POINTER));
    wc.lpszClassName = kLinkBoxClass;
    return RegisterClassExA(&wc) != 0;
}
