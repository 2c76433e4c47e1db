#include "driver/windows.h"

#include "driver/wait.h"

namespace e2e {

std::vector<HWND> TopLevelWindows(DWORD processId)
{
    struct Search {
        DWORD processId;
        std::vector<HWND> found;
    } search{processId, {}};
    EnumWindows(
        [](HWND window, LPARAM param) -> BOOL {
            auto* s = reinterpret_cast<Search*>(param);
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == s->processId)
                s->found.push_back(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

HWND FindTopLevel(DWORD processId, const char* className, const char* caption)
{
    for (HWND window : TopLevelWindows(processId)) {
        if (IsWindowVisible(window) && (!className || ClassName(window) == className) &&
            (!caption || WindowText(window) == caption))
            return window;
    }
    return nullptr;
}

LRESULT SendTo(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kTimeoutMs, &result))
        throw DriverError("window " + ClassName(window) + " does not answer message " + std::to_string(message));
    return LRESULT(result);
}

std::string WindowText(HWND window)
{
    // The length can overstate what the conversion to the ANSI code page delivers; the
    // answer of WM_GETTEXT counts what came.
    std::string text(SendTo(window, WM_GETTEXTLENGTH) + 1, '\0');
    text.resize(SendTo(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data())));
    return text;
}

std::string ClassName(HWND window)
{
    char name[256] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string Utf8(const std::string& ansi)
{
    std::wstring wide(ansi.size(), L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, ansi.data(), int(ansi.size()), wide.data(), int(wide.size())));
    std::string utf8(wide.size() * 3, '\0');
    utf8.resize(WideCharToMultiByte(CP_UTF8, 0, wide.data(), int(wide.size()), utf8.data(), int(utf8.size()),
                                    nullptr, nullptr));
    return utf8;
}

RECT RectIn(HWND window, HWND reference)
{
    RECT rect = {};
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, reference, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

}  // namespace e2e
