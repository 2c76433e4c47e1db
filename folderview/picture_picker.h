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
    std::string fileName_;
};

CommonDialog& PictureDialog();

void OnPictureButton();
