// The yardstick of the start-up benchmark: a window of the program's size and frame with
// nothing in it, so that the difference in start-up time is what the program itself adds.
#include <windows.h>
#include <windowsx.h>

namespace {

constexpr char kClassName[] = "BareWindow";
constexpr int kWidth = 380;
constexpr int kHeight = 250;

void OnDestroy(HWND)
{
    PostQuitMessage(0);
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
        HANDLE_MSG(hwnd, WM_DESTROY, OnDestroy);
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

bool RegisterBareClass(HINSTANCE instance)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    return RegisterClassA(&wc) != 0;
}

// Centred, with the program's tool-window caption and close box.
HWND CreateBareWindow(HINSTANCE instance)
{
    const int left = (GetSystemMetrics(SM_CXSCREEN) - kWidth) / 2;
    const int top = (GetSystemMetrics(SM_CYSCREEN) - kHeight) / 2;
    return CreateWindowExA(WS_EX_TOOLWINDOW, kClassName, "Bare window", WS_CAPTION | WS_SYSMENU,
                           left, top, kWidth, kHeight, nullptr, nullptr, instance, nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    if (!RegisterBareClass(instance))
        return 1;
    HWND hwnd = CreateBareWindow(instance);
    if (!hwnd)
        return 1;
    ShowWindow(hwnd, SW_SHOW);
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}
