// Finding and reading the windows of another process.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

namespace e2e {

// The top-level windows of a process, in Z order, visible or not.
std::vector<HWND> TopLevelWindows(DWORD processId);
// The process's first visible top-level window of that class ("#32770" for message boxes)
// and that caption, each unless null; null when there is none.
HWND FindTopLevel(DWORD processId, const char* className, const char* caption = nullptr);

// SendMessage with a timeout, for windows of another process; throws when it gets no answer.
LRESULT SendTo(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

std::string WindowText(HWND window);  // WM_GETTEXT, with a timeout
std::string ClassName(HWND window);
// An ANSI (GBK) text as UTF-8, for messages meant for people.
std::string Utf8(const std::string& ansi);
// The window's rectangle in the client coordinates of another (its parent, typically).
RECT RectIn(HWND window, HWND reference);

}  // namespace e2e
