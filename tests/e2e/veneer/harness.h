// What the engine's end-to-end tests share: the real Veneer.dll loaded into the test process,
// the built-in skins (their compiled bytes, and their text form for the colours to expect), a
// window laid out like the program's main window, pixels, input and a message pump.
#pragma once
#include <windows.h>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace veneer_e2e {

// The skin's colours, read from its text form independently of the engine's reader.
struct SkinText {
    std::map<std::string, std::vector<std::string>> values;  // key -> words after '='
    int number(const std::string& key) const;
    COLORREF colour(const std::string& key, size_t word = 0) const;
    // The colour a fill or a box's fill shows at `point` inside `area`.
    COLORREF fillAt(const std::string& key, const RECT& area, POINT point) const;
};

std::string SkinBytes(int number);  // the compiled skin NN-*.vnsk
SkinText SkinSource(int number);    // the text form NN-*.skin

// Veneer.dll, loaded for one test and unloaded at its end unless the test did that itself.
class Engine {
public:
    Engine();
    ~Engine();
    int attach(const std::string& bytes, const char* options = "") const;
    void unload();

private:
    HMODULE module_ = nullptr;
    int(__stdcall* attach_)(const void*, uint32_t, const char*, int32_t, int32_t, int32_t) = nullptr;
};

// The main window's layout: a 380 x 250 tool window with caption and system menu, two edit
// boxes, four push buttons and two owner-drawn labels at the program's places.
class MainLayout {
public:
    enum Control : int { kOpenPicture = 1002, kOpenRoot, kRootEdit = 1005, kRootLabel, kRestore, kGenerate, kPictureEdit, kPictureLabel };
    MainLayout();
    ~MainLayout();
    HWND hwnd() const { return hwnd_; }
    HWND control(Control id) const { return GetDlgItem(hwnd_, id); }
    void show();  // shows, activates and paints it, focus in the picture edit box
    std::vector<int> clicks;  // BN_CLICKED ids, in order
    bool destroyed() const { return !IsWindow(hwnd_); }

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    HWND hwnd_ = nullptr;
};

// Runs the thread's messages for a while (the windows live on the test's own thread).
void Pump(DWORD milliseconds);
// Pumps until the probe holds or the time is up; returns the probe's last answer.
bool PumpUntil(const std::function<bool()>& probe, DWORD milliseconds = 5000);

// A pixel of a window in window coordinates, frame included, as painted.
COLORREF PixelOf(HWND hwnd, POINT inWindow);
// A window's whole picture (window coordinates), to compare before and after.
std::vector<COLORREF> PictureOf(HWND hwnd);
// Per-channel distance of two colours.
int Distance(COLORREF a, COLORREF b);
std::string Hex(COLORREF colour);

// A rectangle of window coordinates where the window answers `code` to WM_NCHITTEST (the
// engine's own layout, found the way Windows finds it); empty when there is none.
RECT HitArea(HWND hwnd, LRESULT code);
// Where a child lies in its top-level window's coordinates.
RECT PlaceIn(HWND child, HWND top);
POINT CentreOf(const RECT& area);
POINT ToScreen(HWND top, POINT inWindow);

// Real input (SendInput) as the user would give it.
void MoveMouse(POINT screen);
void MouseButton(bool down);
void Key(WORD key, bool down);
void Tap(WORD key, std::initializer_list<WORD> modifiers = {});

// Gives input from another thread while this one runs its messages: for the system's modal
// loops (moving a window) that wait for input inside one dispatch.
void WhilePumping(const std::function<void()>& input);

// Runs `inspect` on the first visible dialog box (#32770) of this thread, from a timer while
// the modal call that opened it runs, then closes it; `modal` opens it and returns when done.
bool InspectDialog(const std::function<void()>& modal, const std::function<void(HWND)>& inspect);

}  // namespace veneer_e2e
