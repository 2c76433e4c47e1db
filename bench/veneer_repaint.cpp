// Repaint benchmark of the skin engine: full repaints (frame, caption, every control) of a
// window laid out like the program's main window, first undressed, then dressed with a skin,
// in one run. Prints the time per repaint of each and their ratio; asserts nothing.
//
//   veneer_repaint <Veneer.dll> <skin.vnsk> [repaints]
#include <windows.h>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct Child {
    const char* className;
    DWORD style;
    DWORD exStyle;
    int left, top, width, height;
};

// The program's controls by kind and place (link box and labels are self-drawn there; here
// owner-drawn statics stand in for them).
const Child kChildren[] = {
    {"STATIC", SS_OWNERDRAW, 0, 119, 176, 136, 24}, {"BUTTON", BS_PUSHBUTTON | BS_MULTILINE, 0, 287, 48, 56, 32},
    {"BUTTON", BS_PUSHBUTTON | BS_MULTILINE, 0, 287, 8, 56, 32}, {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 95, 8, 176, 32},
    {"STATIC", SS_OWNERDRAW, 0, 31, 8, 64, 32},         {"BUTTON", BS_PUSHBUTTON | BS_MULTILINE, 0, 232, 122, 120, 40},
    {"BUTTON", BS_PUSHBUTTON | BS_MULTILINE, 0, 32, 122, 120, 40}, {"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 95, 48, 176, 32},
    {"STATIC", SS_OWNERDRAW, 0, 31, 48, 64, 32},
};

LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_DRAWITEM) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        RECT area = item->rcItem;
        SetBkMode(item->hDC, TRANSPARENT);
        DrawTextA(item->hDC, "Label", -1, &area, DT_SINGLELINE | DT_VCENTER);
        return TRUE;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HWND CreateLayout()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = "VeneerRepaintBench";
    RegisterClassA(&windowClass);
    const HWND hwnd = CreateWindowExA(WS_EX_TOOLWINDOW, windowClass.lpszClassName, "Veldrane by:Tobrik",
                                      WS_CAPTION | WS_SYSMENU, 100, 100, 380, 250, nullptr, nullptr, windowClass.hInstance, nullptr);
    const auto font = reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT));
    for (const Child& c : kChildren) {
        const HWND child = CreateWindowExA(c.exStyle, c.className, "Open", WS_CHILD | WS_VISIBLE | c.style, c.left, c.top,
                                           c.width, c.height, hwnd, nullptr, windowClass.hInstance, nullptr);
        SendMessageA(child, WM_SETFONT, font, FALSE);
    }
    ShowWindow(hwnd, SW_SHOW);
    return hwnd;
}

void Drain()
{
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

double MillisecondsPerRepaint(HWND hwnd, int repaints)
{
    Drain();
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    for (int i = 0; i < repaints; ++i)
        RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    QueryPerformanceCounter(&end);
    Drain();
    return 1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart) / repaints;
}

std::vector<char> ReadFile(const char* path)
{
    std::vector<char> bytes;
    if (FILE* file = std::fopen(path, "rb")) {
        char chunk[4096];
        for (size_t n; (n = std::fread(chunk, 1, sizeof chunk, file)) > 0;) bytes.insert(bytes.end(), chunk, chunk + n);
        std::fclose(file);
    }
    return bytes;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: veneer_repaint <Veneer.dll> <skin.vnsk> [repaints]\n");
        return 2;
    }
    const int repaints = argc > 3 ? std::atoi(argv[3]) : 1000;
    const HMODULE engine = LoadLibraryA(argv[1]);
    using Attach = int(__stdcall*)(const void*, uint32_t, const char*, int32_t, int32_t, int32_t);
    const auto attach = engine ? reinterpret_cast<Attach>(reinterpret_cast<void*>(GetProcAddress(engine, "Veneer_AttachSkin"))) : nullptr;
    const std::vector<char> skin = ReadFile(argv[2]);
    if (!attach || skin.empty()) {
        std::fprintf(stderr, "cannot load the engine or the skin\n");
        return 1;
    }
    const HWND hwnd = CreateLayout();
    MillisecondsPerRepaint(hwnd, 20);  // warm-up: fonts, caches, the window surface
    const double undressed = MillisecondsPerRepaint(hwnd, repaints);
    if (attach(skin.data(), static_cast<uint32_t>(skin.size()), "", 0, 0, 0) != 1) {
        std::fprintf(stderr, "the engine refused the skin\n");
        return 1;
    }
    MillisecondsPerRepaint(hwnd, 20);
    const double dressed = MillisecondsPerRepaint(hwnd, repaints);
    std::printf("full repaint, %d times: undressed %.3f ms, dressed %.3f ms, ratio %.2f (goal: at most 1.5)\n", repaints,
                undressed, dressed, dressed / undressed);
    DestroyWindow(hwnd);
    FreeLibrary(engine);
    return 0;
}
