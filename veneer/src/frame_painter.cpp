// The dressed frame: the non-client area of a captioned top-level window. Windows lays the
// area out and paints it in DefWindowProc; here the skin's metrics decide the layout
// (WM_NCCALCSIZE, WM_NCHITTEST) and the skin paints it, while moving, the system menu and the
// commands behind the caption buttons stay Windows' own.
#include "dressing.h"
#include "frame_layout.h"
#include "paint.h"
#include <algorithm>
#include <windowsx.h>

namespace veneer {

namespace {

// Undocumented messages by which themed DefWindowProc paints the caption and frame directly.
constexpr UINT WM_NCUAHDRAWCAPTION = 0x00AE;
constexpr UINT WM_NCUAHDRAWFRAME = 0x00AF;

struct FrameState {
    bool active = false;
    LRESULT hot = HTNOWHERE;      // caption button under the pointer
    LRESULT pressed = HTNOWHERE;  // caption button held down with the pointer on it
    LRESULT tracking = HTNOWHERE; // caption button held down, wherever the pointer is
    bool leaveTracked = false;
    SIZE shapedFor = {};          // the size the corner region was made for
};

FrameState& StateOf(DWORD_PTR data) { return *reinterpret_cast<FrameState*>(data); }

HICON WindowIcon(HWND hwnd)
{
    const WPARAM kinds[] = {ICON_SMALL, ICON_BIG};
    for (WPARAM kind : kinds) {
        if (const auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, kind, 0))) return icon;
    }
    if (const auto icon = reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICONSM))) return icon;
    return reinterpret_cast<HICON>(GetClassLongPtrW(hwnd, GCLP_HICON));
}

bool ShowsIcon(DWORD style, DWORD exStyle)
{
    return (style & WS_SYSMENU) && !(exStyle & (WS_EX_TOOLWINDOW | WS_EX_DLGMODALFRAME));
}

FrameShape ShapeOf(HWND hwnd, SIZE window)
{
    const DWORD style = GetWindowStyle(hwnd), exStyle = GetWindowExStyle(hwnd);
    return {window, style, exStyle, ShowsIcon(style, exStyle) && WindowIcon(hwnd) != nullptr};
}

FrameShape ShapeOf(HWND hwnd)
{
    RECT window;
    GetWindowRect(hwnd, &window);
    return ShapeOf(hwnd, {window.right - window.left, window.bottom - window.top});
}

LRESULT HitAt(HWND hwnd, POINT screen)
{
    RECT window;
    GetWindowRect(hwnd, &window);
    const FrameShape shape = ShapeOf(hwnd);
    const Metrics& metrics = CurrentLook().skin.metrics;
    return HitTestFrame(shape, LayoutFrame(shape, metrics), metrics, {screen.x - window.left, screen.y - window.top});
}

bool CaptionButtonEnabled(HWND hwnd, LRESULT button)
{
    const DWORD style = GetWindowStyle(hwnd);
    switch (button) {
    case HTMAXBUTTON: return (style & WS_MAXIMIZEBOX) != 0;
    case HTMINBUTTON: return (style & WS_MINIMIZEBOX) != 0;
    default: break;
    }
    if (GetClassLongPtrW(hwnd, GCL_STYLE) & CS_NOCLOSE) return false;
    const HMENU menu = GetSystemMenu(hwnd, FALSE);
    return !menu || !(GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) & (MF_GRAYED | MF_DISABLED));
}

CaptionButtonState ButtonState(HWND hwnd, const FrameState& state, LRESULT button)
{
    if (!CaptionButtonEnabled(hwnd, button)) return CaptionButtonState::Disabled;
    if (state.pressed == button) return CaptionButtonState::Pressed;
    if (state.hot == button) return CaptionButtonState::Hot;
    return state.active ? CaptionButtonState::Normal : CaptionButtonState::Inactive;
}

void PaintGlyph(HDC dc, RECT area, LRESULT button, bool zoomed, COLORREF colour)
{
    const int side = area.right - area.left;
    InflateRect(&area, -std::max(3, side / 4), -std::max(3, side / 4));
    const int thickness = std::max(1, side / 12);
    if (button == HTMINBUTTON) {
        FillSolid(dc, {area.left, area.bottom - thickness - 1, area.right, area.bottom - 1}, colour);
        return;
    }
    if (button == HTMAXBUTTON) {
        // Maximise shows one window; restore shows two, the front one lower left.
        const int step = zoomed ? std::max(2, side / 8) : 0;
        const RECT boxes[2] = {{area.left + step, area.top, area.right, area.bottom - step},
                               {area.left, area.top + step, area.right - step, area.bottom}};
        for (const RECT* box = zoomed ? boxes : boxes + 1; box != boxes + 2; ++box) {
            FillSolid(dc, *box, colour);
            RECT hollow = *box;
            InflateRect(&hollow, -thickness, -thickness);
            hollow.top += thickness;
            FillSolid(dc, hollow, GetBkColor(dc));
        }
        return;
    }
    GdiObject<HPEN> pen(CreatePen(PS_SOLID, thickness + 1, colour));
    Selection selected(dc, pen.get());
    MoveToEx(dc, area.left, area.top, nullptr);
    LineTo(dc, area.right, area.bottom);
    MoveToEx(dc, area.right - 1, area.top, nullptr);
    LineTo(dc, area.left - 1, area.bottom);
}

void PaintCaptionButton(HDC dc, HWND hwnd, const FrameState& state, const RECT& area, LRESULT button)
{
    if (IsRectEmpty(&area)) return;
    const Skin& skin = CurrentLook().skin;
    const auto& looks = button == HTCLOSE ? skin.closeButton : button == HTMAXBUTTON ? skin.maximizeButton
                                                                                      : skin.minimizeButton;
    const BoxLook& look = looks[static_cast<size_t>(ButtonState(hwnd, state, button))];
    PaintBox(dc, area, look);
    SetBkColor(dc, MeanColour(look.fill));  // the hollow of the maximise glyph
    PaintGlyph(dc, area, button, IsZoomed(hwnd) != FALSE, look.text);
}

void PaintTitle(HDC dc, HWND hwnd, const FrameShape& shape, const FrameLayout& layout, COLORREF colour)
{
    wchar_t title[256];
    const int length = GetWindowTextW(hwnd, title, 256);
    if (length <= 0) return;
    const Look& look = CurrentLook();
    Selection font(dc, (shape.exStyle & WS_EX_TOOLWINDOW) ? look.toolCaptionFont.get() : look.captionFont.get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    RECT area = layout.title;
    DrawTextW(dc, title, length, &area, DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS | DT_NOPREFIX);
}

void PaintFrame(HWND hwnd, const FrameState& state)
{
    if (!IsWindowVisible(hwnd)) return;
    const FrameShape shape = ShapeOf(hwnd);
    const Skin& skin = CurrentLook().skin;
    const FrameLayout layout = LayoutFrame(shape, skin.metrics);
    const FrameLook& look = state.active ? skin.active : skin.inactive;
    const LONG w = shape.window.cx, h = shape.window.cy;
    WindowDC target(hwnd, WindowDC::Area::Window);
    if (!target.get()) return;
    // The whole frame reaches the screen in one copy: it changes with every state, and on a
    // window with a region (rounded corners) each drawing call on the screen is dear.
    const RECT& client = layout.client;
    ExcludeClipRect(target.get(), client.left, client.top, client.right, client.bottom);
    PaintBuffer buffer(target.get(), {0, 0, w, h});
    const HDC dc = buffer.dc();
    FillSolid(dc, {0, 0, w, h}, look.border);
    PaintFill(dc, layout.caption, look.caption);
    if (!IsRectEmpty(&layout.icon)) {
        DrawIconEx(dc, layout.icon.left, layout.icon.top, WindowIcon(hwnd), layout.icon.right - layout.icon.left,
                   layout.icon.bottom - layout.icon.top, 0, nullptr, DI_NORMAL);
    }
    PaintTitle(dc, hwnd, shape, layout, look.title);
    PaintCaptionButton(dc, hwnd, state, layout.close, HTCLOSE);
    PaintCaptionButton(dc, hwnd, state, layout.maximize, HTMAXBUTTON);
    PaintCaptionButton(dc, hwnd, state, layout.minimize, HTMINBUTTON);
}

// Rounds the window's top corners by the skin's radius.
void ShapeCorners(HWND hwnd, FrameState& state)
{
    RECT window;
    GetWindowRect(hwnd, &window);
    const SIZE size = {window.right - window.left, window.bottom - window.top};
    if (size.cx == state.shapedFor.cx && size.cy == state.shapedFor.cy) return;
    state.shapedFor = size;
    const int radius = CurrentLook().skin.metrics.cornerRadius;
    if (radius == 0 || IsZoomed(hwnd)) {
        SetWindowRgn(hwnd, nullptr, TRUE);
        return;
    }
    // A round-rectangle region leaves out its right and bottom edges, hence the one extra pixel.
    GdiObject<HRGN> shape(CreateRoundRectRgn(0, 0, size.cx + 1, size.cy + 1, 2 * radius, 2 * radius));
    GdiObject<HRGN> lower(CreateRectRgn(0, radius, size.cx, size.cy));
    if (!shape.get() || !lower.get()) return;
    CombineRgn(shape.get(), shape.get(), lower.get(), RGN_OR);
    if (SetWindowRgn(hwnd, shape.get(), TRUE)) shape.release();
}

bool g_systemResolved = false;
FARPROC g_dwmSet = nullptr;
FARPROC g_setTheme = nullptr;

// Windows may paint frames by itself (desktop composition, visual styles) where no WM_NCPAINT
// reaches the window; both are asked to leave this frame to the skin, or to take it back. The
// libraries stay loaded: nothing of ours is left in them.
void LeaveFrameToSkin(HWND hwnd, bool toSkin)
{
    using DwmSetAttribute = HRESULT(WINAPI*)(HWND, DWORD, LPCVOID, DWORD);
    using SetTheme = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    if (!g_systemResolved) {
        g_dwmSet = GetProcAddress(LoadLibraryW(L"dwmapi.dll"), "DwmSetWindowAttribute");
        g_setTheme = GetProcAddress(LoadLibraryW(L"uxtheme.dll"), "SetWindowTheme");
        g_systemResolved = true;
    }
    const auto dwmSet = reinterpret_cast<DwmSetAttribute>(reinterpret_cast<void*>(g_dwmSet));
    const auto setTheme = reinterpret_cast<SetTheme>(reinterpret_cast<void*>(g_setTheme));
    constexpr DWORD kNonClientRenderingPolicy = 2, kByStyle = 0, kDisabled = 1;
    const DWORD policy = toSkin ? kDisabled : kByStyle;
    if (dwmSet) dwmSet(hwnd, kNonClientRenderingPolicy, &policy, sizeof(policy));
    if (setTheme) setTheme(hwnd, toSkin ? L"" : nullptr, toSkin ? L"" : nullptr);
}

UINT CommandOf(HWND hwnd, LRESULT button)
{
    if (button == HTCLOSE) return SC_CLOSE;
    if (button == HTMINBUTTON) return SC_MINIMIZE;
    return IsZoomed(hwnd) ? SC_RESTORE : SC_MAXIMIZE;
}

// A caption button held down: pressed while the pointer is on it; released there, it runs the
// button's command, released elsewhere nothing. The window holds the capture meanwhile, and the
// mouse messages of the press are the engine's, not the program's.
void StartPress(HWND hwnd, FrameState& state, LRESULT button)
{
    if (!CaptionButtonEnabled(hwnd, button)) return;
    state.tracking = button;
    state.pressed = button;
    SetCapture(hwnd);
    PaintFrame(hwnd, state);
}

LRESULT HitAtClientPoint(HWND hwnd, LPARAM lParam)
{
    POINT point = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &point);
    return HitAt(hwnd, point);
}

void FollowPress(HWND hwnd, FrameState& state, LPARAM lParam)
{
    const LRESULT pressed = HitAtClientPoint(hwnd, lParam) == state.tracking ? state.tracking : HTNOWHERE;
    if (pressed == state.pressed) return;
    state.pressed = pressed;
    PaintFrame(hwnd, state);
}

void EndPress(HWND hwnd, FrameState& state, LPARAM lParam)
{
    const LRESULT button = state.tracking;
    const bool run = HitAtClientPoint(hwnd, lParam) == button;
    state.tracking = state.pressed = HTNOWHERE;
    state.hot = run ? button : HTNOWHERE;
    ReleaseCapture();
    PaintFrame(hwnd, state);
    POINT release = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(hwnd, &release);
    // Last: the command may close the window, and its state with it.
    if (run) SendMessageW(hwnd, WM_SYSCOMMAND, CommandOf(hwnd, button), MAKELPARAM(release.x, release.y));
}

void CancelPress(HWND hwnd, FrameState& state)
{
    state.tracking = state.pressed = HTNOWHERE;
    PaintFrame(hwnd, state);
}

bool IsCaptionButton(LRESULT hit) { return hit == HTCLOSE || hit == HTMAXBUTTON || hit == HTMINBUTTON; }

void SetHot(HWND hwnd, FrameState& state, LRESULT hot)
{
    if (state.hot == hot) return;
    state.hot = hot;
    PaintFrame(hwnd, state);
}

void OnNcMouseMove(HWND hwnd, FrameState& state, LRESULT hit)
{
    if (!state.leaveTracked) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE | TME_NONCLIENT, hwnd, 0};
        state.leaveTracked = TrackMouseEvent(&track) != FALSE;
    }
    SetHot(hwnd, state, IsCaptionButton(hit) ? hit : HTNOWHERE);
}

LRESULT OnNcCalcSize(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    RECT* proposed = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    const RECT window = *proposed;
    const FrameShape shape = ShapeOf(hwnd, {window.right - window.left, window.bottom - window.top});
    const RECT client = LayoutFrame(shape, CurrentLook().skin.metrics).client;
    *proposed = {window.left + client.left, window.top + client.top, window.left + client.right,
                 window.top + client.bottom};
    return 0;
}

LRESULT OnNcActivate(HWND hwnd, FrameState& state, WPARAM active)
{
    state.active = active != FALSE;
    // -1 keeps DefWindowProc's bookkeeping of the activation without its painting.
    DefSubclassProc(hwnd, WM_NCACTIVATE, active, -1);
    PaintFrame(hwnd, state);
    return TRUE;
}

// Messages after whose default handling Windows has painted its own caption.
bool RepaintsCaption(UINT message)
{
    return message == WM_SETTEXT || message == WM_SETICON || message == WM_STYLECHANGED || message == WM_ENABLE;
}

LRESULT CALLBACK FrameProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    FrameState& state = StateOf(data);
    switch (message) {
    case WM_NCCALCSIZE: return OnNcCalcSize(hwnd, wParam, lParam);
    case WM_NCPAINT: PaintFrame(hwnd, state); return 0;
    case WM_NCACTIVATE: return OnNcActivate(hwnd, state, wParam);
    case WM_NCHITTEST: return HitAt(hwnd, {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (!IsCaptionButton(static_cast<LRESULT>(wParam))) break;
        StartPress(hwnd, state, static_cast<LRESULT>(wParam));
        return 0;
    case WM_NCMOUSEMOVE: OnNcMouseMove(hwnd, state, static_cast<LRESULT>(wParam)); break;
    case WM_NCMOUSELEAVE:
        state.leaveTracked = false;
        SetHot(hwnd, state, HTNOWHERE);
        break;
    case WM_MOUSEMOVE:
        if (state.tracking == HTNOWHERE) {
            SetHot(hwnd, state, HTNOWHERE);
            break;
        }
        FollowPress(hwnd, state, lParam);
        return 0;
    case WM_LBUTTONUP:
        if (state.tracking == HTNOWHERE) break;
        EndPress(hwnd, state, lParam);
        return 0;
    case WM_CAPTURECHANGED:
        if (state.tracking != HTNOWHERE) CancelPress(hwnd, state);
        break;
    case WM_NCUAHDRAWCAPTION:
    case WM_NCUAHDRAWFRAME: return 0;
    case WM_WINDOWPOSCHANGED: {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        ShapeCorners(hwnd, state);
        return result;
    }
    case WM_NCDESTROY: Detach(hwnd, kFrameRole); break;
    default:
        if (RepaintsCaption(message)) {
            const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
            PaintFrame(hwnd, state);
            return result;
        }
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

DWORD_PTR NewFrameState(HWND hwnd)
{
    FrameState* state = CreateState<FrameState>();
    if (!state) return 0;
    state->active = GetActiveWindow() == hwnd;
    LeaveFrameToSkin(hwnd, true);
    return reinterpret_cast<DWORD_PTR>(state);
}

}  // namespace

const Role kFrameRole = {L"Veneer.Frame", FrameProc, NewFrameState, DeleteState<FrameState>};

// After a skin change: the frame's layout may differ, so Windows recomputes it, and the
// corners are made anew.
void RefreshFrame(HWND hwnd)
{
    const DWORD_PTR data = StateData(hwnd, kFrameRole);
    if (!data) return;
    StateOf(data).shapedFor = {};
    ShapeCorners(hwnd, StateOf(data));
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

// Gives the window back its system frame.
void UnshapeFrame(HWND hwnd)
{
    LeaveFrameToSkin(hwnd, false);
    SetWindowRgn(hwnd, nullptr, TRUE);
    SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOOWNERZORDER);
}

}  // namespace veneer
