// The program's one window: the control table made real, its keyboard handling and the
// routing of its events to the handlers of the commands and pickers.
#pragma once
#include <windows.h>

// Registers the window classes of the main window and of the link box; false when Windows
// refuses either.
bool RegisterMainWindowClasses(HINSTANCE instance);

// Creates the window hidden with its controls, runs its created event (the skin) and shows it
// if it still exists. False when the window or one of its controls cannot be created.
bool CreateMainWindow(HINSTANCE instance);

// Keyboard handling before dispatch: Esc closes, Tab and Shift+Tab move the focus. True when
// the message has been consumed.
bool PreTranslateMainWindowMessage(const MSG& message);
