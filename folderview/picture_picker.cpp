#include "folderview/picture_picker.h"

bool CommonDialog::Open(HWND) { return false; }

CommonDialog& PictureDialog()
{
    static CommonDialog dialog;
    return dialog;
}

void OnPictureButton() {}
