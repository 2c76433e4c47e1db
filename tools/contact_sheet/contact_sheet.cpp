// Photographs the program's main window dressed with each built-in skin in turn, with the box
// Generate shows beside it: one BMP file per skin, NN.bmp, for scripts/contact_sheet to compose.
//
//   contact_sheet <folder for the pictures> <drive root for Generate, such as D:\>
//
// The window, its controls, the skins and the box are the program's own code, run here as
// they run in Veldrane.exe. Generate really writes the folder view file into the drive root,
// so the script hands it a scratch folder mapped to a drive letter.
#include <windows.h>

#include <cstdio>
#include <string>
#include <thread>

#include "app/app_state.h"
#include "app/controls.h"
#include "app/main_window.h"
#include "appearance/built_in_byte_sets.h"
#include "appearance/skin_application.h"
#include "window_photo.h"

namespace {

constexpr POINT kWindowPlace = {16, 16};
// The box sits below the window, towards the right, over the blank strip under the link, so
// that every control stays in sight.
constexpr POINT kBoxOffset = {150, 228};
constexpr COLORREF kBackdrop = RGB(0xF4, 0xF4, 0xF4);
constexpr DWORD kBoxWait = 10000;
constexpr DWORD kSettle = 500;  // for the move's repaint to reach the screen

BOOL CALLBACK FindVisibleDialog(HWND hwnd, LPARAM found)
{
    char name[8];
    if (IsWindowVisible(hwnd) && GetClassNameA(hwnd, name, sizeof name) && lstrcmpA(name, "#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND WaitForBox(DWORD thread)
{
    for (DWORD waited = 0; waited < kBoxWait; waited += 50) {
        HWND box = nullptr;
        EnumThreadWindows(thread, FindVisibleDialog, reinterpret_cast<LPARAM>(&box));
        if (box) return box;
        Sleep(50);
    }
    return nullptr;
}

// Runs beside the window's thread, which is inside the box's modal loop meanwhile: places the
// box, saves the picture and closes the box. False when no box came or no picture was saved.
bool PhotographBox(HWND window, DWORD thread, const std::string& path)
{
    const HWND box = WaitForBox(thread);
    if (!box) return false;
    RECT place;
    GetWindowRect(window, &place);
    SetWindowPos(box, HWND_TOP, place.left + kBoxOffset.x, place.top + kBoxOffset.y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    Sleep(kSettle);
    const HWND windows[] = {window, box};
    const bool saved = SaveWindowsPicture(path, windows, 2, kBackdrop);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return saved;
}

// Clicks Generate as the user would and photographs the box it shows.
bool PhotographGenerate(HWND window, const std::string& path)
{
    const DWORD thread = GetCurrentThreadId();
    bool saved = false;
    std::thread photographer([&] { saved = PhotographBox(window, thread, path); });
    SendMessageA(GetDlgItem(window, 按钮1), BM_CLICK, 0, 0);
    photographer.join();
    return saved;
}

std::string PicturePath(const std::string& folder, int skin)
{
    char name[16];
    std::snprintf(name, sizeof name, "\\%02d.bmp", skin);
    return folder + name;
}

bool PhotographSkins(HWND window, const std::string& folder)
{
    for (int skin = 1; SelectSkin(SkinCatalogue(), skin).data; ++skin) {
        ApplyBuiltInSkin(skin);
        const std::string path = PicturePath(folder, skin);
        if (!PhotographGenerate(window, path)) {
            std::fprintf(stderr, "contact_sheet: no picture of skin %d (%s)\n", skin, path.c_str());
            return false;
        }
    }
    return true;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: contact_sheet <folder for the pictures> <drive root>\n");
        return 2;
    }
    const std::string folder = argv[1], root = argv[2];
    InitialiseOle();
    FixRunDirectory();
    const HINSTANCE instance = GetModuleHandleA(nullptr);
    if (!RegisterMainWindowClasses(instance) || !CreateMainWindow(instance)) {
        std::fprintf(stderr, "contact_sheet: cannot create the main window\n");
        return 1;
    }
    const HWND window = MainWindowHandle();
    SetWindowPos(window, nullptr, kWindowPlace.x, kWindowPlace.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    SetCursorPos(GetSystemMetrics(SM_CXSCREEN) - 1, GetSystemMetrics(SM_CYSCREEN) - 1);  // no hover anywhere
    WriteControlProperty(编辑框2, kContentProperty, root);
    WriteControlProperty(编辑框1, kContentProperty, root + "Pictures\\lake.jpg");
    const bool done = PhotographSkins(window, folder);
    DestroyWindow(window);
    EndProcess(done ? 0 : 1);
}
