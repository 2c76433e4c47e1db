// Dressed labels: static text controls on a dressed background, painted in the skin's label
// colours (a disabled static would otherwise always be grey). Static controls of other kinds
// (icons, pictures, frames, owner-drawn ones) keep their own painting and only stand on the
// skin's background.
#include "dressing.h"
#include "paint.h"
#include <windowsx.h>

namespace veneer {

namespace {

ControlState& StateOf(DWORD_PTR data) { return *reinterpret_cast<ControlState*>(data); }

UINT TextFlags(DWORD style)
{
    UINT flags = DT_EXPANDTABS;
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: flags |= DT_CENTER | DT_WORDBREAK; break;
    case SS_RIGHT: flags |= DT_RIGHT | DT_WORDBREAK; break;
    case SS_SIMPLE: flags = DT_SINGLELINE; break;
    case SS_LEFTNOWORDWRAP: break;
    default: flags |= DT_WORDBREAK; break;
    }
    if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
    if (style & SS_CENTERIMAGE) flags = (flags & ~DT_WORDBREAK) | DT_SINGLELINE | DT_VCENTER;
    if (style & SS_EDITCONTROL) flags |= DT_EDITCONTROL;
    switch (style & SS_ELLIPSISMASK) {
    case SS_ENDELLIPSIS: flags |= DT_END_ELLIPSIS | DT_SINGLELINE; break;
    case SS_PATHELLIPSIS: flags |= DT_PATH_ELLIPSIS | DT_SINGLELINE; break;
    case SS_WORDELLIPSIS: flags |= DT_WORD_ELLIPSIS | DT_SINGLELINE; break;
    default: break;
    }
    return flags;
}

void PaintLabel(HWND hwnd, HDC target)
{
    RECT client;
    GetClientRect(hwnd, &client);
    PaintBuffer buffer(target, client);
    const HDC dc = buffer.dc();
    // The parent's answer sets the colours and gives the background, lined up with its own.
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(hwnd), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd)));
    FillRect(dc, &client, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    const WindowText text(hwnd);
    Selection font(dc, GetWindowFont(hwnd) ? GetWindowFont(hwnd) : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    DrawTextW(dc, text.get(), -1, &client, TextFlags(GetWindowStyle(hwnd)) | PrefixFlag(hwnd));
}

bool PaintsAtOnce(UINT message) { return message == WM_SETTEXT || message == WM_ENABLE || message == WM_UPDATEUISTATE; }

LRESULT CALLBACK LabelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (message == WM_NCDESTROY) {
        Detach(hwnd, kLabelRole);
        return DefSubclassProc(hwnd, message, wParam, lParam);
    }
    // On a background that is not the skin's, the label keeps its own look.
    if (!HasOwnBackdrop(GetParent(hwnd))) return DefSubclassProc(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: PaintClient(hwnd, reinterpret_cast<HDC>(wParam), PaintLabel); return 0;
    case WM_ERASEBKGND: return 1;
    default:
        if (PaintsAtOnce(message)) return CallWithoutOwnPainting(hwnd, StateOf(data), message, wParam, lParam);
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace

const Role kLabelRole = {L"Veneer.Label", LabelProc, NewState<ControlState>, DeleteState<ControlState>};

// Whether a static control shows text, the kind the label painter draws.
bool IsTextStatic(DWORD style)
{
    switch (style & SS_TYPEMASK) {
    case SS_LEFT:
    case SS_CENTER:
    case SS_RIGHT:
    case SS_SIMPLE:
    case SS_LEFTNOWORDWRAP: return true;
    default: return false;
    }
}

}  // namespace veneer
