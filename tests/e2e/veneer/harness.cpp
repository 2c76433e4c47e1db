#include "harness.h"
#include <gtest/gtest.h>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <atomic>

namespace veneer_e2e {

namespace {

std::string Argument(const char* flag)
{
    const size_t length = std::strlen(flag);
    for (int i = 1; i < __argc; ++i) {
        if (std::strncmp(__argv[i], flag, length) == 0) {
            std::string value = __argv[i] + length;
            if (!value.empty() && value.front() == '/') {
                for (char& c : value) c = c == '/' ? '\\' : c;
                value = "Z:" + value;
            }
            return value;
        }
    }
    throw std::runtime_error(std::string("the test program needs ") + flag + "<path>");
}

std::string SkinFile(const char* flag, int number, const char* extension)
{
    char pattern[16];
    std::snprintf(pattern, sizeof pattern, "%02d-*%s", number, extension);
    const std::string dir = Argument(flag);
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA((dir + "\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) throw std::runtime_error("no skin " + std::string(pattern) + " in " + dir);
    FindClose(search);
    return dir + "\\" + found.cFileName;
}

std::string ReadAll(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

COLORREF ParseColour(const std::string& word)
{
    if (word.size() != 7 || word[0] != '#') throw std::runtime_error("not a colour: " + word);
    const unsigned long value = std::stoul(word.substr(1), nullptr, 16);
    return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

COLORREF Mix(COLORREF from, COLORREF to, double t)
{
    auto channel = [t](int a, int b) { return static_cast<int>(a + (b - a) * t + 0.5); };
    return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
               channel(GetBValue(from), GetBValue(to)));
}

INPUT MouseInput(DWORD flags, POINT screen = {})
{
    INPUT input = {};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    if (flags & MOUSEEVENTF_ABSOLUTE) {
        input.mi.dx = MulDiv(screen.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(screen.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    }
    return input;
}

}  // namespace

int SkinText::number(const std::string& key) const { return std::stoi(values.at(key).at(0)); }

COLORREF SkinText::colour(const std::string& key, size_t word) const
{
    return ParseColour(values.at(key).at(word));
}

COLORREF SkinText::fillAt(const std::string& key, const RECT& area, POINT point) const
{
    const std::vector<std::string>& words = values.at(key);
    if (words.at(0) == "solid") return ParseColour(words.at(1));
    const bool vertical = words.at(0) == "vgradient";
    const double span = vertical ? area.bottom - area.top : area.right - area.left;
    const double at = vertical ? point.y - area.top : point.x - area.left;
    return Mix(ParseColour(words.at(1)), ParseColour(words.at(2)), span > 0 ? at / span : 0);
}

std::string SkinBytes(int number) { return ReadAll(SkinFile("--skins=", number, ".vnsk")); }

SkinText SkinSource(int number)
{
    SkinText skin;
    std::istringstream lines(ReadAll(SkinFile("--skin-sources=", number, ".skin")));
    std::string line;
    while (std::getline(lines, line)) {
        const size_t equals = line.find('=');
        if (line.empty() || line[0] == '#' || equals == std::string::npos) continue;
        std::istringstream key(line.substr(0, equals)), value(line.substr(equals + 1));
        std::string name, word;
        key >> name;
        std::vector<std::string>& words = skin.values[name];
        while (value >> word) words.push_back(word);
    }
    return skin;
}

Engine::Engine()
{
    module_ = LoadLibraryA(Argument("--veneer=").c_str());
    if (!module_) throw std::runtime_error("cannot load Veneer.dll");
    attach_ = reinterpret_cast<decltype(attach_)>(reinterpret_cast<void*>(GetProcAddress(module_, "Veneer_AttachSkin")));
    if (!attach_) throw std::runtime_error("Veneer.dll has no Veneer_AttachSkin");
}

Engine::~Engine() { unload(); }

int Engine::attach(const std::string& bytes, const char* options) const
{
    return attach_(bytes.data(), static_cast<uint32_t>(bytes.size()), options, 0, 0, 0);
}

void Engine::unload()
{
    if (module_) FreeLibrary(module_);
    module_ = nullptr;
}

namespace {

constexpr char kLayoutClass[] = "VeneerTestMainLayout";

struct ControlPlace {
    int id;
    const char* className;
    DWORD style;
    DWORD exStyle;
    RECT place;  // left, top, width, height
    const char* text;
};

// The program's control list, places and kinds.
const ControlPlace kControls[] = {
    {MainLayout::kOpenPicture, "BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, {287, 48, 56, 32}, "Open"},
    {MainLayout::kOpenRoot, "BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, {287, 8, 56, 32}, "Open"},
    {MainLayout::kRootEdit, "EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {95, 8, 176, 32}, ""},
    {MainLayout::kRootLabel, "STATIC", SS_OWNERDRAW, 0, {31, 8, 64, 32}, "Root"},
    {MainLayout::kRestore, "BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, {232, 122, 120, 40}, "Restore"},
    {MainLayout::kGenerate, "BUTTON", WS_TABSTOP | BS_PUSHBUTTON | BS_CENTER | BS_VCENTER | BS_MULTILINE, 0, {32, 122, 120, 40}, "Generate"},
    {MainLayout::kPictureEdit, "EDIT", WS_TABSTOP | ES_LEFT | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {95, 48, 176, 32}, ""},
    {MainLayout::kPictureLabel, "STATIC", SS_OWNERDRAW, 0, {31, 48, 64, 32}, "Picture"},
};

}  // namespace

MainLayout::MainLayout()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kLayoutClass;
    RegisterClassA(&windowClass);
    const int left = (GetSystemMetrics(SM_CXSCREEN) - 380) / 2, top = (GetSystemMetrics(SM_CYSCREEN) - 250) / 2;
    hwnd_ = CreateWindowExA(WS_EX_TOOLWINDOW, kLayoutClass, "Veldrane by:Tobrik", WS_CAPTION | WS_SYSMENU, left, top, 380,
                            250, nullptr, nullptr, windowClass.hInstance, this);
    if (!hwnd_) throw std::runtime_error("cannot create the test window");
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const ControlPlace& c : kControls) {
        const HWND child = CreateWindowExA(c.exStyle, c.className, c.text, WS_CHILD | WS_VISIBLE | c.style, c.place.left,
                                           c.place.top, c.place.right, c.place.bottom, hwnd_,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(c.id)), windowClass.hInstance, nullptr);
        SendMessageA(child, WM_SETFONT, font, FALSE);
    }
}

MainLayout::~MainLayout()
{
    if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
    Pump(50);
}

void MainLayout::show()
{
    ShowWindow(hwnd_, SW_SHOW);
    SetForegroundWindow(hwnd_);
    SetFocus(control(kPictureEdit));
    RedrawWindow(hwnd_, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump(200);
}

LRESULT CALLBACK MainLayout::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCCREATE)
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<MainLayout*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED && self) self->clicks.push_back(LOWORD(wParam));
        return 0;
    case WM_CTLCOLOREDIT:  // as the program answers: white on black, which the skin overrides
        SetTextColor(reinterpret_cast<HDC>(wParam), RGB(255, 255, 255));
        SetBkColor(reinterpret_cast<HDC>(wParam), RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        char text[64];
        GetWindowTextA(item->hwndItem, text, sizeof text);
        SetBkMode(item->hDC, TRANSPARENT);
        RECT area = item->rcItem;
        DrawTextA(item->hDC, text, -1, &area, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
        return TRUE;
    }
    case WM_NCDESTROY:
        if (self) self->hwnd_ = nullptr;
        break;
    default: break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

void Pump(DWORD milliseconds)
{
    PumpUntil([] { return false; }, milliseconds);
}

bool PumpUntil(const std::function<bool()>& probe, DWORD milliseconds)
{
    const DWORD start = GetTickCount();
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (probe()) return true;
        if (GetTickCount() - start >= milliseconds) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

COLORREF PixelOf(HWND hwnd, POINT inWindow)
{
    const HDC dc = GetWindowDC(hwnd);
    const COLORREF colour = GetPixel(dc, inWindow.x, inWindow.y);
    ReleaseDC(hwnd, dc);
    return colour;
}

std::vector<COLORREF> PictureOf(HWND hwnd)
{
    RECT window;
    GetWindowRect(hwnd, &window);
    const int w = window.right - window.left, h = window.bottom - window.top;
    std::vector<COLORREF> picture(static_cast<size_t>(w) * h);
    const HDC dc = GetWindowDC(hwnd);
    const HDC memory = CreateCompatibleDC(dc);
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, w, h, dc, 0, 0, SRCCOPY);
    GdiFlush();
    std::memcpy(picture.data(), bits, picture.size() * sizeof(COLORREF));
    SelectObject(memory, previous);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(hwnd, dc);
    return picture;
}

int Distance(COLORREF a, COLORREF b)
{
    return std::max({std::abs(GetRValue(a) - GetRValue(b)), std::abs(GetGValue(a) - GetGValue(b)),
                     std::abs(GetBValue(a) - GetBValue(b))});
}

std::string Hex(COLORREF colour)
{
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", GetRValue(colour), GetGValue(colour), GetBValue(colour));
    return text;
}

RECT HitArea(HWND hwnd, LRESULT code)
{
    RECT window;
    GetWindowRect(hwnd, &window);
    RECT found = {};
    bool any = false;
    for (LONG y = window.top; y < window.bottom; ++y) {
        bool inRow = false;
        for (LONG x = window.left; x < window.right; ++x) {
            if (SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) != code) continue;
            const RECT point = {x - window.left, y - window.top, x - window.left + 1, y - window.top + 1};
            if (any) UnionRect(&found, &found, &point);
            else found = point;
            any = inRow = true;
        }
        if (any && !inRow) break;  // the area's rows are behind us
    }
    return found;
}

void WhilePumping(const std::function<void()>& input)
{
    std::atomic<bool> done{false};
    std::thread user([&] {
        input();
        done = true;
    });
    PumpUntil([&done] { return done.load(); }, 15000);
    user.join();
    Pump(100);
}

RECT PlaceIn(HWND child, HWND top)
{
    RECT child_rect, top_rect;
    GetWindowRect(child, &child_rect);
    GetWindowRect(top, &top_rect);
    OffsetRect(&child_rect, -top_rect.left, -top_rect.top);
    return child_rect;
}

POINT CentreOf(const RECT& area) { return {(area.left + area.right) / 2, (area.top + area.bottom) / 2}; }

POINT ToScreen(HWND top, POINT inWindow)
{
    RECT window;
    GetWindowRect(top, &window);
    return {window.left + inWindow.x, window.top + inWindow.y};
}

void MoveMouse(POINT screen)
{
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, screen);
    SendInput(1, &input, sizeof input);
    Pump(60);
}

void MouseButton(bool down)
{
    INPUT input = MouseInput(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    SendInput(1, &input, sizeof input);
    Pump(60);
}

void Key(WORD key, bool down)
{
    INPUT input = {};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof input);
    Pump(30);
}

void Tap(WORD key, std::initializer_list<WORD> modifiers)
{
    for (WORD modifier : modifiers) Key(modifier, true);
    Key(key, true);
    Key(key, false);
    for (auto m = modifiers.end(); m != modifiers.begin();) Key(*--m, false);
    Pump(100);
}

namespace {

struct Inspection {
    std::function<void(HWND)> inspect;
    bool done = false;
};
Inspection* g_inspection = nullptr;

BOOL CALLBACK FindDialog(HWND hwnd, LPARAM found)
{
    char name[16];
    if (IsWindowVisible(hwnd) && GetClassNameA(hwnd, name, sizeof name) && std::strcmp(name, "#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

void CALLBACK OnInspectionTimer(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!g_inspection || g_inspection->done) return;
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    if (!dialog) return;
    KillTimer(nullptr, timer);
    g_inspection->done = true;
    RedrawWindow(dialog, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    g_inspection->inspect(dialog);
    // Cancel closes every one of these dialogs; a message box with OK only takes IDOK.
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}

}  // namespace

bool InspectDialog(const std::function<void()>& modal, const std::function<void(HWND)>& inspect)
{
    Inspection inspection{inspect};
    g_inspection = &inspection;
    const UINT_PTR timer = SetTimer(nullptr, 0, 300, OnInspectionTimer);
    modal();
    KillTimer(nullptr, timer);
    g_inspection = nullptr;
    return inspection.done;
}

}  // namespace veneer_e2e
