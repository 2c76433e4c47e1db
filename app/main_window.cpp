#include "app/main_window.h"
#include "app/app_state.h"
#include "app/control_table.h"
#include "app/line_text.h"
#include "app/link_box.h"
#include "appearance/skin_application.h"
#include "folderview/commands.h"
#include "folderview/folder_browser.h"
#include "folderview/picture_picker.h"
#include "resources/resource_ids.h"
#include <windowsx.h>

namespace {

constexpr char kMainWindowClass[] = "VeldraneMainWindow";
constexpr char kCaption[] = "Veldrane by:Tobrik";
constexpr int kWidth = 380;
constexpr int kHeight = 250;
constexpr int kBuiltInSkin = 10;

HWND g_window;

struct ClickRoute {
    ControlId button;
    void (*handler)();
};

constexpr ClickRoute kClickRoutes[] = {
    {按钮1, Generate},
    {按钮2, Restore},
    {按钮3, OnDriveRootButton},
    {按钮4, OnPictureButton},
};

HFONT GuiFont() { return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)); }

struct WindowKind {
    const char* className;
    DWORD style;
    DWORD exStyle;
};

WindowKind WindowKindOf(ControlKind kind)
{
    constexpr DWORD child = WS_CHILD | WS_VISIBLE;
    switch (kind) {
    case ControlKind::LinkBox: return {kLinkBoxClass, child, 0};
    case ControlKind::Button:
        return {"BUTTON", child | WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0};
    case ControlKind::EditBox: return {"EDIT", child | WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
    case ControlKind::Label: return {"STATIC", child | SS_OWNERDRAW, 0};
    case ControlKind::CommonDialog: break;
    }
    return {};
}

bool CreateControl(HWND parent, const ControlSpec& control)
{
    const WindowKind kind = WindowKindOf(control.kind);
    const HWND hwnd = CreateWindowExA(kind.exStyle, kind.className, control.text, kind.style, control.left,
                                      control.top, control.width, control.height, parent,
                                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(control.id)),
                                      GetWindowInstance(parent), nullptr);
    if (hwnd) SetWindowFont(hwnd, GuiFont(), FALSE);
    return hwnd != nullptr;
}

BOOL OnCreate(HWND hwnd, LPCREATESTRUCT)
{
    for (const ControlSpec& control : kControlTable) {
        // 通用对话框1 is the picture picker's dialog settings; it has no window.
        if (control.kind != ControlKind::CommonDialog && !CreateControl(hwnd, control)) return FALSE;
    }
    return TRUE;
}

void OnCommand(HWND, int id, HWND, UINT code)
{
    if (code != BN_CLICKED) return;
    for (const ClickRoute& route : kClickRoutes) {
        if (route.button == id) route.handler();
    }
}

HBRUSH OnCtlColorEdit(HWND, HDC dc, HWND, int)
{
    SetTextColor(dc, RGB(255, 255, 255));
    SetBkColor(dc, RGB(0, 0, 0));
    return static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
}

// The labels: black, unless a skin answers for them in the window's place.
HBRUSH OnCtlColorStatic(HWND, HDC dc, HWND, int)
{
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkMode(dc, TRANSPARENT);
    return GetSysColorBrush(COLOR_BTNFACE);
}

// The labels are the only owner-drawn controls.
void OnDrawItem(HWND, const DRAWITEMSTRUCT* item)
{
    const COLORREF color = StaticTextColorOf(item->hwndItem, item->hDC);
    DrawLineOfText(item->hDC, item->rcItem, item->hwndItem, color, DT_LEFT);
}

void OnSetFocus(HWND hwnd, HWND) { SetFocus(GetDlgItem(hwnd, 编辑框1)); }

HFONT OnGetFont(HWND) { return GuiFont(); }

void OnNCDestroy(HWND)
{
    g_window = nullptr;
    ApplyQuitRule();
}

LRESULT CALLBACK MainWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(hwnd, WM_CREATE, OnCreate);
        HANDLE_MSG(hwnd, WM_COMMAND, OnCommand);
        HANDLE_MSG(hwnd, WM_CTLCOLOREDIT, OnCtlColorEdit);
        HANDLE_MSG(hwnd, WM_DRAWITEM, OnDrawItem);
        HANDLE_MSG(hwnd, WM_CTLCOLORSTATIC, OnCtlColorStatic);
        HANDLE_MSG(hwnd, WM_SETFOCUS, OnSetFocus);
        HANDLE_MSG(hwnd, WM_GETFONT, OnGetFont);
        HANDLE_MSG(hwnd, WM_NCDESTROY, OnNCDestroy);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

std::vector<FocusCandidate> FocusCandidates()
{
    std::vector<FocusCandidate> candidates;
    for (const ControlSpec& control : kControlTable) {
        const HWND hwnd = GetDlgItem(g_window, control.id);
        candidates.push_back({control.id, hwnd && (GetWindowStyle(hwnd) & WS_TABSTOP) != 0,
                              hwnd && IsWindowVisible(hwnd), hwnd && IsWindowEnabled(hwnd)});
    }
    return candidates;
}

void MoveFocus(bool backward)
{
    const HWND focus = GetFocus();
    const int current = focus && IsChild(g_window, focus) ? GetDlgCtrlID(focus) : 0;
    if (const int next = NextFocus(FocusOrder(FocusCandidates()), current, backward)) {
        SetFocus(GetDlgItem(g_window, next));
    }
}

bool IsMainWindowMessage(const MSG& message)
{
    return g_window && (message.hwnd == g_window || IsChild(g_window, message.hwnd));
}

}  // namespace

bool RegisterMainWindowClasses(HINSTANCE instance)
{
    WNDCLASSEXA wc = { sizeof(wc) };
    wc.lpfnWndProc = MainWindowProc;
    wc.hInstance = instance;
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(IDI_PROGRAM));
    wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kMainWindowClass;
    return RegisterClassExA(&wc) && RegisterLinkBoxClass(instance);
}

bool CreateMainWindow(HINSTANCE instance)
{
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    g_window = CreateWindowExA(WS_EX_TOOLWINDOW, kMainWindowClass, kCaption, WS_CAPTION | WS_SYSMENU, left, top,
                               kWidth, kHeight, nullptr, nullptr, instance, nullptr);
    if (!g_window) return false;
    ApplyBuiltInSkin(kBuiltInSkin);  // the created event, while the window is still hidden
    if (g_window) ShowWindow(g_window, SW_SHOW);
    return true;
}

bool PreTranslateMainWindowMessage(const MSG& message)
{
    if (message.message != WM_KEYDOWN || !IsMainWindowMessage(message)) return false;
    switch (message.wParam) {
    case VK_ESCAPE:
        SendMessageA(g_window, WM_CLOSE, 0, 0);
        return true;
    case VK_TAB:
        MoveFocus(GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    return false;
}

HWND MainWindowHandle() { return g_window; }

std::string ReadControlProperty(ControlId control, int property)
{
    if (control == 通用对话框1) return property == kFileNameProperty ? PictureDialog().FileName() : std::string();
    const HWND box = GetDlgItem(g_window, control);
    if (property != kContentProperty || !box) return {};
    std::string text(static_cast<std::size_t>(GetWindowTextLengthA(box)), '\0');
    text.resize(static_cast<std::size_t>(GetWindowTextA(box, &text[0], static_cast<int>(text.size() + 1))));
    return text;
}

void WriteControlProperty(ControlId control, int property, const std::string& value)
{
    if (property == kContentProperty) SetWindowTextA(GetDlgItem(g_window, control), value.c_str());
}
