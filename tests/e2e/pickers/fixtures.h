// What both pickers' tests stand on: folders and files made by wide names (so that names the
// program's code page cannot hold exist too), the ANSI text a name becomes, and the main
// window's state around a dialog.
#pragma once
#include <windows.h>
#include <gtest/gtest.h>
#include <string>
#include <vector>

#include "driver/app.h"

namespace pickers {

// Folders and files made in order and removed in reverse when the object goes.
class Entries {
public:
    Entries() = default;
    ~Entries();
    Entries(const Entries&) = delete;
    Entries& operator=(const Entries&) = delete;

    void Folder(const std::wstring& path);
    // The folder and every missing folder on the way to it.
    void Folders(const std::wstring& path);
    void File(const std::wstring& path);

private:
    std::vector<std::pair<std::wstring, bool>> made_;  // path and whether it is a folder
};

// The text in the system ANSI code page (936 under the tests' locale); `exact` tells whether
// every character had a place in it.
std::string Ansi(const std::wstring& text, bool* exact = nullptr);
std::wstring Wide(const std::string& ansi);

// The path `base` + two long levels of 'a' and 'b', of exactly `length` ANSI bytes.
std::wstring PathOfLength(const std::wstring& root, size_t length);

// The window the program's thread treats as active, seen from outside.
HWND ActiveWindowOf(HWND window);

// The program, with a folder of the test's own in the root of drive C: (the shell's tree
// shows the drives Wine knows, and a short base leaves room for paths of chosen lengths).
class PickerTest : public ::testing::Test {
protected:
    PickerTest();

    // Waits until the dialog has closed and the main window takes input again, and checks
    // that it is the active window once more. Unless `mayComplain`, a message box of the
    // dialog's own (it refused what it was given) fails the test.
    void ExpectMainWindowBackAfter(HWND dialog, bool mayComplain = false);

    Entries entries_;
    std::wstring base_;  // "C:\veldrane-pickers-<process>-<n>\"
    e2e::App app_;
};

}  // namespace pickers
