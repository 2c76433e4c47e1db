// The system's folder browser and file-open dialog as the program shows them, driven from
// the test's own process: found among the program's windows, read and steered by messages.
// The tree view's items are read through memory allocated in the program's process, since
// the system does not carry TVM_GETITEM's pointers across processes.
#pragma once
#include <windows.h>
#include <commctrl.h>
#include <string>

namespace pickers {

// Waits for a top-level dialog of the process: the folder browser (a #32770 window with a
// tree view) or the file-open dialog (a #32770 window with the file-name edit box, 1152).
HWND WaitForFolderBrowser(DWORD processId);
HWND WaitForFileDialog(DWORD processId);
// Waits until `dialog` is gone. A message box the dialog raises over itself meanwhile (it
// refused what it was given) is dismissed and the dialog cancelled; true when that happened.
bool WaitUntilClosed(HWND dialog, DWORD processId);

// Posts a click on a button of a dialog (IDOK, IDCANCEL), as the button itself would.
void ClickButton(HWND dialog, int id);

// The folder browser's tree of the shell's namespace.
class FolderTree {
public:
    FolderTree(HWND browser, DWORD processId);

    // "My Computer": the desktop's child that holds the drives.
    HTREEITEM Computer() const;
    // The item of a path below a drive root ("X:\", "X:\a\b"), expanding each level on the way.
    HTREEITEM Find(const std::wstring& path) const;
    void Select(HTREEITEM item) const;
    HTREEITEM Selected() const;

private:
    HTREEITEM ChildWhere(HTREEITEM parent, bool (*fits)(const std::wstring& text, const std::wstring& wanted),
                         const std::wstring& wanted) const;
    std::wstring Text(HTREEITEM item) const;
    std::string ChildrenOf(HTREEITEM parent) const;  // their texts, for a failure's message

    HWND tree_;
    DWORD processId_;
};

// The file name field of the file-open dialog, read in the ANSI code page, and typed into
// (whatever it held before is replaced).
std::string FileNameField(HWND fileDialog);
void TypeFileName(HWND fileDialog, const std::wstring& name);
// The full path the dialog would confirm now: its folder joined with the field's name.
std::string ChosenPath(HWND fileDialog, DWORD processId);

}  // namespace pickers
