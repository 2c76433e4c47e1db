// Dressed edit boxes: the skin paints the border by state (normal, hot, focused, disabled); the
// text and its background come from the parent's WM_CTLCOLOREDIT answer (backdrop.cpp). Typing,
// selecting and scrolling stay the edit control's own.
#include "dressing.h"
#include "paint.h"
#include <windowsx.h>

namespace veneer {

namespace {

ControlState& StateOf(DWORD_PTR data) { return *reinterpret_cast<ControlState*>(data); }

EditState StateOf(HWND hwnd, const ControlState& state)
{
    if (!IsWindowEnabled(hwnd)) return EditState::Disabled;
    if (GetFocus() == hwnd) return EditState::Focused;
    return state.hot ? EditState::Hot : EditState::Normal;
}

void PaintBorder(HWND hwnd, const ControlState& state)
{
    RECT window;
    GetWindowRect(hwnd, &window);
    POINT origin = {0, 0};
    ClientToScreen(hwnd, &origin);
    const int thickness = origin.x - window.left;
    if (thickness <= 0 || !IsWindowVisible(hwnd)) return;
    const EditLook& look = CurrentLook().skin.edit;
    const EditState current = StateOf(hwnd, state);
    const COLORREF inner = current == EditState::Disabled ? look.disabledBackground : look.background;
    const LONG w = window.right - window.left, h = window.bottom - window.top;
    WindowDC target(hwnd, WindowDC::Area::Window);
    // Only the ring as thick as the left edge is ours: inside it lie the text and any scroll bars.
    ExcludeClipRect(target.get(), thickness, thickness, w - thickness, h - thickness);
    // One copy to the screen rather than a drawing call for each edge.
    const PaintBuffer buffer(target.get(), {0, 0, w, h});
    // The outer pixel is the border; what lies between it and the text takes the text's background.
    PaintBox(buffer.dc(), {0, 0, w, h}, {{Fill::Kind::Solid, inner, inner}, look.border[static_cast<size_t>(current)], 0});
}

bool HasScrollBars(HWND hwnd) { return (GetWindowStyle(hwnd) & (WS_HSCROLL | WS_VSCROLL)) != 0; }

LRESULT CALLBACK EditProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    ControlState& state = StateOf(data);
    switch (message) {
    case WM_NCPAINT:
        if (HasScrollBars(hwnd)) DefSubclassProc(hwnd, message, wParam, lParam);
        PaintBorder(hwnd, state);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE: {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        if (IsWindow(hwnd)) PaintBorder(hwnd, state);
        return result;
    }
    case WM_MOUSEMOVE:
        if (NoteMouseOver(hwnd, state)) PaintBorder(hwnd, state);
        break;
    case WM_MOUSELEAVE:
        if (NoteMouseLeft(state)) PaintBorder(hwnd, state);
        break;
    case WM_NCDESTROY: Detach(hwnd, kEditRole); break;
    default: break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

const Role kEditRole = {L"Veneer.Edit", EditProc, NewState<ControlState>, DeleteState<ControlState>};

}  // namespace veneer
