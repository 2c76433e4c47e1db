// Dressed push buttons. The button keeps all its behaviour (clicks, the space bar, BM_*
// messages, default-button handling in dialogs); only its painting is the skin's.
#include "dressing.h"
#include "paint.h"
#include <windowsx.h>

namespace veneer {

namespace {

ControlState& StateOf(DWORD_PTR data) { return *reinterpret_cast<ControlState*>(data); }

PushButtonState StateOf(HWND hwnd, const ControlState& state)
{
    if (!IsWindowEnabled(hwnd)) return PushButtonState::Disabled;
    if (Button_GetState(hwnd) & BST_PUSHED) return PushButtonState::Pressed;
    if (state.hot) return PushButtonState::Hot;
    if (GetFocus() == hwnd) return PushButtonState::Focused;
    if ((GetWindowStyle(hwnd) & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return PushButtonState::Default;
    return PushButtonState::Normal;
}

UINT AlignmentFlags(DWORD style)
{
    UINT flags = (style & BS_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
    switch (style & BS_CENTER) {
    case BS_LEFT: flags |= DT_LEFT; break;
    case BS_RIGHT: flags |= DT_RIGHT; break;
    default: flags |= DT_CENTER; break;
    }
    return flags;
}

// Places the text vertically by the button's style; DrawText centres one line only.
RECT TextArea(HDC dc, const wchar_t* text, RECT area, DWORD style, UINT flags)
{
    RECT measured = area;
    DrawTextW(dc, text, -1, &measured, flags | DT_CALCRECT);
    const LONG height = measured.bottom - measured.top;
    switch (style & BS_VCENTER) {
    case BS_TOP: break;
    case BS_BOTTOM: area.top = area.bottom - height; break;
    default: area.top += (area.bottom - area.top - height) / 2; break;
    }
    area.bottom = area.top + height;
    return area;
}

void PaintButton(HWND hwnd, HDC target)
{
    const ControlState& state = StateOf(StateData(hwnd, kPushButtonRole));
    const PushButtonState look = StateOf(hwnd, state);
    const BoxLook& box = CurrentLook().skin.pushButton[static_cast<size_t>(look)];
    RECT client;
    GetClientRect(hwnd, &client);
    PaintBuffer buffer(target, client);
    const HDC dc = buffer.dc();
    PaintBox(dc, client, box);

    const DWORD style = GetWindowStyle(hwnd);
    const WindowText text(hwnd);
    Selection font(dc, GetWindowFont(hwnd) ? GetWindowFont(hwnd) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, box.text);
    RECT inside = client;
    InflateRect(&inside, -4, -3);
    const UINT flags = AlignmentFlags(style) | PrefixFlag(hwnd);
    RECT area = TextArea(dc, text.get(), inside, style, flags);
    if (look == PushButtonState::Pressed) OffsetRect(&area, 1, 1);
    DrawTextW(dc, text.get(), -1, &area, flags);

    if (GetFocus() == hwnd && !(SendMessageW(hwnd, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS)) {
        RECT focus = client;
        InflateRect(&focus, -3, -3);
        SetTextColor(dc, RGB(0, 0, 0));
        SetBkColor(dc, RGB(255, 255, 255));
        DrawFocusRect(dc, &focus);
    }
}

// Messages on which the button paints itself at once, outside WM_PAINT.
bool PaintsAtOnce(UINT message)
{
    switch (message) {
    case WM_SETTEXT:
    case WM_ENABLE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_UPDATEUISTATE:
    case BM_SETSTATE:
    case BM_SETSTYLE:
    case BM_SETCHECK: return true;
    default: return false;
    }
}

LRESULT CALLBACK PushButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    ControlState& state = StateOf(data);
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: PaintClient(hwnd, reinterpret_cast<HDC>(wParam), PaintButton); return 0;
    case WM_ERASEBKGND: return 1;  // the paint covers every pixel
    case WM_MOUSEMOVE:
        if (NoteMouseOver(hwnd, state)) InvalidateRect(hwnd, nullptr, FALSE);
        break;
    case WM_MOUSELEAVE:
        if (NoteMouseLeft(state)) InvalidateRect(hwnd, nullptr, FALSE);
        break;
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED: {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        if (IsWindow(hwnd) && RecheckHot(hwnd, state)) InvalidateRect(hwnd, nullptr, FALSE);
        return result;
    }
    case WM_NCDESTROY: Detach(hwnd, kPushButtonRole); break;
    default:
        if (PaintsAtOnce(message)) return CallWithoutOwnPainting(hwnd, state, message, wParam, lParam);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

const Role kPushButtonRole = {L"Veneer.PushButton", PushButtonProc, NewState<ControlState>, DeleteState<ControlState>};

}  // namespace veneer
