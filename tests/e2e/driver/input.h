// Real keyboard and mouse input through SendInput. Wine delivers it to the foreground window
// and its focus, as Windows does: activate the target first (App::activate).
#pragma once
#include <windows.h>
#include <initializer_list>
#include <string>

namespace e2e {

// Presses the modifiers in order, then the key, and releases them all in reverse.
void PressKey(WORD virtualKey, std::initializer_list<WORD> modifiers = {});
// Types printable ASCII text character by character.
void TypeText(const std::string& ascii);
// Moves the pointer to a screen point and clicks the left button there.
void ClickAt(POINT screen);

}  // namespace e2e
