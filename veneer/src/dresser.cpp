// Dressing the calling thread's windows: those that exist when a skin is attached, found by
// enumeration, and every one created later, caught by a thread-local CBT hook as it is born.
// Each window gets the roles that fit it (frame, backdrop, push button, edit, label) as
// comctl32 subclasses; undressing removes them all, which is what makes unloading safe.
//
// The engine serves one thread, the one that attached a skin (the program has one).
#include "dresser.h"
#include "dressing.h"
#include "frame_layout.h"
#include "paint.h"
#include <utility>
#include <windowsx.h>

namespace veneer {

bool IsTextStatic(DWORD style);

namespace {

Look g_look;
bool g_dressing = false;  // a skin is in force
unsigned g_generation = 0;
HHOOK g_hook = nullptr;
DWORD g_thread = 0;

const Role* const kAllRoles[] = {&kFrameRole, &kBackdropRole, &kPushButtonRole, &kEditRole, &kLabelRole};

GdiObject<HFONT> CaptionFont(const LOGFONTW& font) { return GdiObject<HFONT>(CreateFontIndirectW(&font)); }

Look MakeLook(Skin skin)
{
    Look look;
    look.skin = std::move(skin);
    NONCLIENTMETRICSW metrics = {sizeof(metrics)};
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
        // Older systems know the structure without its last field.
        metrics.cbSize = offsetof(NONCLIENTMETRICSW, iPaddedBorderWidth);
        SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    }
    look.captionFont = CaptionFont(metrics.lfCaptionFont);
    look.toolCaptionFont = CaptionFont(metrics.lfSmCaptionFont);
    look.editBrush = GdiObject<HBRUSH>(CreateSolidBrush(look.skin.edit.background));
    look.editDisabledBrush = GdiObject<HBRUSH>(CreateSolidBrush(look.skin.edit.disabledBackground));
    look.generation = ++g_generation;
    return look;
}

bool IsPushButton(HWND hwnd)
{
    const DWORD style = GetWindowStyle(hwnd);
    const DWORD type = style & BS_TYPEMASK;
    return HasClass(hwnd, L"Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON) &&
           !(style & (BS_BITMAP | BS_ICON));
}

// The edit inside a combo box belongs to the combo box, which the skin does not cover.
bool IsEditBox(HWND hwnd)
{
    const HWND parent = GetParent(hwnd);
    return HasClass(hwnd, L"Edit") && !HasClass(parent, L"ComboBox") && !HasClass(parent, L"ComboBoxEx32");
}

bool IsLabel(HWND hwnd) { return HasClass(hwnd, L"Static") && IsTextStatic(GetWindowStyle(hwnd)); }

const Role* ControlRole(HWND hwnd)
{
    if (IsPushButton(hwnd)) return &kPushButtonRole;
    if (IsEditBox(hwnd)) return &kEditRole;
    if (IsLabel(hwnd)) return &kLabelRole;
    return nullptr;
}

void Dress(HWND hwnd)
{
    if (GetWindowThreadProcessId(hwnd, nullptr) != g_thread) return;
    if (IsCaptionedTopLevel(hwnd)) Attach(hwnd, kFrameRole);
    if (IsCaptionedTopLevel(hwnd) || IsDialog(hwnd)) Attach(hwnd, kBackdropRole);
    if (!(GetWindowStyle(hwnd) & WS_CHILD)) return;
    if (const Role* role = ControlRole(hwnd)) {
        Attach(hwnd, *role);
        // The parent answers the control's WM_CTLCOLOR* questions.
        Attach(GetParent(hwnd), kBackdropRole);
    }
}

void Undress(HWND hwnd)
{
    const bool framed = IsDressedAs(hwnd, kFrameRole);
    for (const Role* role : kAllRoles) Detach(hwnd, *role);
    if (framed) UnshapeFrame(hwnd);
}

BOOL CALLBACK DressChild(HWND hwnd, LPARAM)
{
    Dress(hwnd);
    return TRUE;
}

BOOL CALLBACK UndressChild(HWND hwnd, LPARAM)
{
    Undress(hwnd);
    return TRUE;
}

void Repaint(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN); }

BOOL CALLBACK DressTopLevel(HWND hwnd, LPARAM)
{
    Dress(hwnd);
    EnumChildWindows(hwnd, DressChild, 0);
    RefreshFrame(hwnd);
    Repaint(hwnd);
    return TRUE;
}

BOOL CALLBACK UndressTopLevel(HWND hwnd, LPARAM)
{
    EnumChildWindows(hwnd, UndressChild, 0);
    Undress(hwnd);
    Repaint(hwnd);
    return TRUE;
}

// A dialog's outer size comes from its template and the system's frame; the skin's frame has
// other measures, so the dialog grows or shrinks by the difference to keep its client area.
void KeepDialogClientSize(CREATESTRUCTW& create)
{
    if (create.cx == CW_USEDEFAULT || create.cy == CW_USEDEFAULT) return;
    RECT system = {0, 0, 0, 0};
    AdjustWindowRectEx(&system, static_cast<DWORD>(create.style), FALSE, create.dwExStyle);
    const Metrics& metrics = g_look.skin.metrics;
    create.cx += 2 * metrics.frameWidth - (system.right - system.left);
    create.cy += 2 * metrics.frameWidth + metrics.captionHeight - (system.bottom - system.top);
}

LRESULT CALLBACK OnWindowCreated(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && g_dressing) {
        const auto hwnd = reinterpret_cast<HWND>(wParam);
        CREATESTRUCTW& create = *reinterpret_cast<CBT_CREATEWNDW*>(lParam)->lpcs;
        if (IsDialog(hwnd) && IsCaptionedTopLevel(hwnd)) KeepDialogClientSize(create);
        Dress(hwnd);
    }
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

void UndressThread()
{
    if (g_hook) UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    if (g_dressing) EnumThreadWindows(g_thread, UndressTopLevel, 0);
    g_dressing = false;
    g_look = Look();
    ReleasePaintCanvas();
}

}  // namespace

const Look& CurrentLook() { return g_look; }

void DressThread(Skin skin)
{
    // The old look lives until every window has been repainted with the new one.
    Look previous = MakeLook(std::move(skin));
    std::swap(previous, g_look);
    g_dressing = true;
    if (g_thread != GetCurrentThreadId() && g_hook) {
        UnhookWindowsHookEx(g_hook);
        g_hook = nullptr;
    }
    g_thread = GetCurrentThreadId();
    if (!g_hook) g_hook = SetWindowsHookExW(WH_CBT, OnWindowCreated, nullptr, g_thread);
    EnumThreadWindows(g_thread, DressTopLevel, 0);
}

}  // namespace veneer

// Unloading by FreeLibrary (reserved is null) takes every subclass and the hook away, so no
// window is left pointing into the unloaded module. At process exit (reserved set) the
// windows go with the process and nothing needs undoing.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved)
{
    if (reason == DLL_PROCESS_DETACH && reserved == nullptr) veneer::UndressThread();
    return TRUE;
}
