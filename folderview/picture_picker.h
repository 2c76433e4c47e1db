// The common dialog control 通用对话框1 (settings of a file-open dialog and the file name last
// confirmed in it) and the click handler of 按钮4 that copies that name into 编辑框1.
#pragma once
#include <windows.h>
#include <string>

class CommonDialog {
public:
    // Shows the dialog owned by `owner`; true when the user confirmed a file, which then
    // becomes the file-name property.
    bool Open(HWND owner);
    const std::string& FileName() const { return fileName_; }

private:
    DWORD Flags() const;

    // The settings, each at its default: the main window describes none for this control.
    std::string title_;             // empty: the system's own caption
    std::string filter_;            // pairs of zero-terminated texts; empty: every file listed
    DWORD initialFilter_ = 0;
    std::string initialDirectory_;
    std::string defaultExtension_;
    bool promptToCreate_ = false;
    bool fileMustExist_ = true;
    bool promptToOverwrite_ = true;
    bool pathMustExist_ = true;
    bool keepCurrentDirectory_ = false;

    std::string fileName_;          // the file last confirmed, for the life of the process
};

CommonDialog& PictureDialog();

void OnPictureButton();
