// What the painters share: the skin in force with the GDI objects made from it, the roles a
// window can be dressed in, and small helpers for the messages every role handles alike.
#pragma once
#include "gdi.h"
#include "skin_model.h"
#include <commctrl.h>
#include <new>

namespace veneer {

// The accepted skin and what is made from it once, so that a paint creates next to nothing.
struct Look {
    Skin skin;
    GdiObject<HFONT> captionFont;
    GdiObject<HFONT> toolCaptionFont;
    GdiObject<HBRUSH> editBrush;
    GdiObject<HBRUSH> editDisabledBrush;
    unsigned generation = 0;  // tells cached per-window objects which skin they were made for
};

// The look of the thread's windows; only called from a dressed window, so a skin is in force.
const Look& CurrentLook();

// A role: one subclass procedure with the state it keeps per window, found by a window
// property of the role's name (comctl32 exports no lookup of a subclass's data by name).
struct Role {
    const wchar_t* name;
    SUBCLASSPROC proc;
    DWORD_PTR (*newState)(HWND);
    void (*deleteState)(DWORD_PTR);
};

extern const Role kFrameRole;       // caption, frame, caption buttons, corners
extern const Role kBackdropRole;    // backgrounds, and the colours a parent gives its controls
extern const Role kPushButtonRole;
extern const Role kEditRole;
extern const Role kLabelRole;

void Attach(HWND hwnd, const Role& role);
void Detach(HWND hwnd, const Role& role);
bool IsDressedAs(HWND hwnd, const Role& role);
// The state a role keeps for a window, or 0 when the window is not dressed in that role.
DWORD_PTR StateData(HWND hwnd, const Role& role);

// States live on the process heap: the engine stays free of the C++ runtime's allocator and
// the exception machinery that comes with it, which would triple the library's size.
template <typename State>
State* CreateState()
{
    void* memory = HeapAlloc(GetProcessHeap(), 0, sizeof(State));
    return memory ? new (memory) State{} : nullptr;
}
template <typename State>
DWORD_PTR NewState(HWND)
{
    return reinterpret_cast<DWORD_PTR>(CreateState<State>());
}
template <typename State>
void DeleteState(DWORD_PTR state)
{
    auto* object = reinterpret_cast<State*>(state);
    object->~State();
    HeapFree(GetProcessHeap(), 0, object);
}

// After a skin change: the frame's layout may differ, so Windows lays it out anew.
void RefreshFrame(HWND hwnd);
// After undressing: the window gets its system frame back.
void UnshapeFrame(HWND hwnd);
// Whether a window paints the skin's background, so its controls may take theirs from it.
bool HasOwnBackdrop(HWND hwnd);

bool HasClass(HWND hwnd, const wchar_t* name);
bool IsDialog(HWND hwnd);
// A top-level window with a caption: the windows whose frames the skin paints.
bool IsCaptionedTopLevel(HWND hwnd);

// A window's text, read once, zero-terminated.
class WindowText {
public:
    explicit WindowText(HWND hwnd);
    WindowText(const WindowText&) = delete;
    WindowText& operator=(const WindowText&) = delete;
    ~WindowText();
    const wchar_t* get() const { return text_ ? text_ : L""; }

private:
    wchar_t* text_ = nullptr;
};
// DT_HIDEPREFIX when the window's keyboard cues are hidden, so '&' underlines show as Windows shows them.
UINT PrefixFlag(HWND hwnd);
// Paints a control's client area, for WM_PAINT (dc null) and WM_PRINTCLIENT (dc given).
void PaintClient(HWND hwnd, HDC dc, void (*paint)(HWND, HDC));

// The state a control shares between its hot tracking and its quiet default processing.
struct ControlState {
    bool hot = false;
    bool leaveTracked = false;
    int quietDepth = 0;
};

// Runs the control's own handling of a message that makes it paint itself at once (the text,
// the focus, the pushed state), with that painting held back, and then paints it dressed.
LRESULT CallWithoutOwnPainting(HWND hwnd, ControlState& state, UINT message, WPARAM wParam, LPARAM lParam);

// Hot state for a control's client area: set on a mouse move, cleared when the pointer leaves.
// Each returns whether the state changed.
bool NoteMouseOver(HWND hwnd, ControlState& state);
bool NoteMouseLeft(ControlState& state);
// After a press ends (released outside, capture lost): hot only if the pointer is still over it.
bool RecheckHot(HWND hwnd, ControlState& state);

}  // namespace veneer
