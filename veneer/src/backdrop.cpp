// Backgrounds of dressed windows and dialogs, and the colours a parent hands its controls in
// the WM_CTLCOLOR* messages: the one place where the skin reaches controls that paint
// themselves (edit text, static backgrounds).
#include "dressing.h"
#include "paint.h"
#include <algorithm>

namespace veneer {

namespace {

struct BackdropState {
    bool own = false;  // paints the skin's background (else only colours the dressed edits)
    GdiObject<HBITMAP> pattern;
    GdiObject<HBRUSH> brush;
    SIZE madeFor = {};
    unsigned generation = 0;
};

BackdropState& StateOf(DWORD_PTR data) { return *reinterpret_cast<BackdropState*>(data); }

const Fill& FillOf(HWND hwnd)
{
    const Skin& skin = CurrentLook().skin;
    return IsDialog(hwnd) ? skin.dialogBackground : skin.windowBackground;
}

// A gradient becomes a pattern brush one strip wide that spans the client area, so every fill
// with it, the window's own or a control's, lines up with the rest of the background.
GdiObject<HBITMAP> GradientStrip(const Fill& fill, SIZE client)
{
    const bool vertical = fill.kind == Fill::Kind::VerticalGradient;
    const SIZE size = {vertical ? 8 : std::max(1L, client.cx), vertical ? std::max(1L, client.cy) : 8};
    WindowDC screen(nullptr, WindowDC::Area::Client);
    GdiObject<HBITMAP> strip(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
    const HDC dc = CreateCompatibleDC(screen.get());
    if (dc && strip.get()) {
        const HGDIOBJ previous = SelectObject(dc, strip.get());
        PaintFill(dc, {0, 0, size.cx, size.cy}, fill);
        SelectObject(dc, previous);
    }
    if (dc) DeleteDC(dc);
    return strip;
}

HBRUSH BrushOf(HWND hwnd, BackdropState& state)
{
    RECT client;
    GetClientRect(hwnd, &client);
    const SIZE size = {client.right, client.bottom};
    const Look& look = CurrentLook();
    const Fill& fill = FillOf(hwnd);
    const bool stale = state.generation != look.generation || !state.brush.get() ||
                       (fill.kind != Fill::Kind::Solid && (size.cx != state.madeFor.cx || size.cy != state.madeFor.cy));
    if (!stale) return state.brush.get();
    state.brush = GdiObject<HBRUSH>();
    state.pattern = GdiObject<HBITMAP>();
    if (fill.kind == Fill::Kind::Solid) {
        state.brush = GdiObject<HBRUSH>(CreateSolidBrush(fill.from));
    } else {
        state.pattern = GradientStrip(fill, size);
        state.brush = GdiObject<HBRUSH>(CreatePatternBrush(state.pattern.get()));
    }
    state.madeFor = size;
    state.generation = look.generation;
    return state.brush.get();
}

// Brush origins count from the DC's origin, the control's client corner: moving the origin
// back by the control's place in the parent lines the pattern up with the parent's.
HBRUSH AlignedBrush(HWND host, BackdropState& state, HDC dc, HWND control)
{
    POINT place = {0, 0};
    MapWindowPoints(control, host, &place, 1);
    SetBrushOrgEx(dc, -place.x, -place.y, nullptr);
    return BrushOf(host, state);
}

LRESULT EditColours(HDC dc, HWND edit)
{
    const Look& look = CurrentLook();
    const EditLook& colours = look.skin.edit;
    const bool enabled = IsWindowEnabled(edit) != FALSE;
    SetTextColor(dc, enabled ? colours.text : colours.disabledText);
    SetBkColor(dc, enabled ? colours.background : colours.disabledBackground);
    return reinterpret_cast<LRESULT>(enabled ? look.editBrush.get() : look.editDisabledBrush.get());
}

// Statics and the check boxes, radio buttons and group boxes (which ask the same question)
// stand on the skin's background; statics also take the label colours.
LRESULT StaticColours(HWND host, BackdropState& state, HDC dc, HWND control)
{
    DefSubclassProc(host, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
    const Skin& skin = CurrentLook().skin;
    if (HasClass(control, L"Static"))
        SetTextColor(dc, IsWindowEnabled(control) ? skin.labelText : skin.labelDisabledText);
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, MeanColour(FillOf(host)));
    return reinterpret_cast<LRESULT>(AlignedBrush(host, state, dc, control));
}

bool OnEraseBackground(HWND hwnd, HDC dc)
{
    RECT client;
    GetClientRect(hwnd, &client);
    // Straight from the fill: a gradient drawn is faster than a pattern brush tiled.
    PaintFill(dc, client, FillOf(hwnd));
    return true;
}

LRESULT CALLBACK BackdropProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    BackdropState& state = StateOf(data);
    const auto dc = reinterpret_cast<HDC>(wParam);
    const auto control = reinterpret_cast<HWND>(lParam);
    switch (message) {
    case WM_ERASEBKGND:
        if (state.own) return OnEraseBackground(hwnd, dc);
        break;
    case WM_CTLCOLORDLG:
        if (!state.own) break;
        SetBrushOrgEx(dc, 0, 0, nullptr);
        return reinterpret_cast<LRESULT>(BrushOf(hwnd, state));
    case WM_CTLCOLOREDIT:
        if (IsDressedAs(control, kEditRole)) return EditColours(dc, control);
        break;
    case WM_CTLCOLORSTATIC:
        if (IsDressedAs(control, kEditRole)) return EditColours(dc, control);
        if (state.own) return StaticColours(hwnd, state, dc, control);
        break;
    case WM_NCDESTROY: Detach(hwnd, kBackdropRole); break;
    default: break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

DWORD_PTR NewBackdropState(HWND hwnd)
{
    BackdropState* state = CreateState<BackdropState>();
    if (state) state->own = IsCaptionedTopLevel(hwnd) || IsDialog(hwnd);
    return reinterpret_cast<DWORD_PTR>(state);
}

}  // namespace

const Role kBackdropRole = {L"Veneer.Backdrop", BackdropProc, NewBackdropState, DeleteState<BackdropState>};

bool HasOwnBackdrop(HWND hwnd)
{
    const DWORD_PTR data = StateData(hwnd, kBackdropRole);
    return data && StateOf(data).own;
}

}  // namespace veneer
