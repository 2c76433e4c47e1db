#include "dressing.h"
#include <cwchar>

namespace veneer {

namespace {
constexpr UINT_PTR kSubclassId = 1;  // each role has a procedure of its own; one id serves all
}

void Attach(HWND hwnd, const Role& role)
{
    if (!hwnd || IsDressedAs(hwnd, role)) return;
    const DWORD_PTR state = role.newState(hwnd);
    if (!state) return;
    if (!SetPropW(hwnd, role.name, reinterpret_cast<HANDLE>(state))) {
        role.deleteState(state);
    } else if (!SetWindowSubclass(hwnd, role.proc, kSubclassId, state)) {
        RemovePropW(hwnd, role.name);
        role.deleteState(state);
    }
}

void Detach(HWND hwnd, const Role& role)
{
    const DWORD_PTR state = StateData(hwnd, role);
    if (!state) return;
    RemoveWindowSubclass(hwnd, role.proc, kSubclassId);
    RemovePropW(hwnd, role.name);
    role.deleteState(state);
}

bool IsDressedAs(HWND hwnd, const Role& role) { return StateData(hwnd, role) != 0; }

DWORD_PTR StateData(HWND hwnd, const Role& role)
{
    return hwnd ? reinterpret_cast<DWORD_PTR>(GetPropW(hwnd, role.name)) : 0;
}

bool HasClass(HWND hwnd, const wchar_t* name)
{
    wchar_t actual[64];
    return GetClassNameW(hwnd, actual, 64) > 0 && _wcsicmp(actual, name) == 0;
}

bool IsDialog(HWND hwnd) { return HasClass(hwnd, L"#32770"); }

bool IsCaptionedTopLevel(HWND hwnd)
{
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    return !(style & WS_CHILD) && (style & WS_CAPTION) == WS_CAPTION;
}

WindowText::WindowText(HWND hwnd)
{
    const int capacity = GetWindowTextLengthW(hwnd) + 1;
    text_ = static_cast<wchar_t*>(HeapAlloc(GetProcessHeap(), 0, static_cast<size_t>(capacity) * sizeof(wchar_t)));
    if (text_ && GetWindowTextW(hwnd, text_, capacity) <= 0) text_[0] = L'\0';
}

WindowText::~WindowText()
{
    if (text_) HeapFree(GetProcessHeap(), 0, text_);
}

UINT PrefixFlag(HWND hwnd)
{
    return (SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEACCEL) ? DT_HIDEPREFIX : 0;
}

void PaintClient(HWND hwnd, HDC dc, void (*paint)(HWND, HDC))
{
    if (dc) {
        paint(hwnd, dc);
        return;
    }
    PAINTSTRUCT ps;
    if (const HDC target = BeginPaint(hwnd, &ps)) {
        paint(hwnd, target);
        EndPaint(hwnd, &ps);
    }
}

LRESULT CallWithoutOwnPainting(HWND hwnd, ControlState& state, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Only the outermost call toggles redrawing: an inner one would let the control paint again.
    if (state.quietDepth > 0 || !IsWindowVisible(hwnd)) return DefSubclassProc(hwnd, message, wParam, lParam);
    ++state.quietDepth;
    SendMessageW(hwnd, WM_SETREDRAW, FALSE, 0);
    const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
    if (IsWindow(hwnd)) {
        --state.quietDepth;
        SendMessageW(hwnd, WM_SETREDRAW, TRUE, 0);
        RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    return result;
}

bool NoteMouseOver(HWND hwnd, ControlState& state)
{
    if (!state.leaveTracked) {
        TRACKMOUSEEVENT track = {sizeof(track), TME_LEAVE, hwnd, 0};
        state.leaveTracked = TrackMouseEvent(&track) != FALSE;
    }
    RECT client;
    GetClientRect(hwnd, &client);
    POINT pointer;
    GetCursorPos(&pointer);
    ScreenToClient(hwnd, &pointer);
    const bool over = PtInRect(&client, pointer) != FALSE;
    if (over == state.hot) return false;
    state.hot = over;
    return true;
}

bool NoteMouseLeft(ControlState& state)
{
    state.leaveTracked = false;
    if (!state.hot) return false;
    state.hot = false;
    return true;
}

bool RecheckHot(HWND hwnd, ControlState& state)
{
    POINT pointer;
    GetCursorPos(&pointer);
    const bool over = WindowFromPoint(pointer) == hwnd;
    if (over) return NoteMouseOver(hwnd, state);
    return NoteMouseLeft(state);
}

}  // namespace veneer
