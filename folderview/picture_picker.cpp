#include "folderview/picture_picker.h"
#include "app/app_state.h"
#include "app/controls.h"
#include "folderview/modal_guard.h"
#include <commdlg.h>
#include <dlgs.h>
#include <cstddef>
#include <cstring>

namespace {

// The dialog is announced with the size of the version-4 structure (up to lpTemplateName),
// which every version of the system accepts; the product build fixes it at 76 bytes.
constexpr DWORD kOpenFileNameSize =
    offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(OPENFILENAMEA::lpTemplateName);
#if defined(__i386__)
static_assert(kOpenFileNameSize == 76, "the 32-bit version-4 dialog structure is 76 bytes");
#endif

// Installing a hook is one of the control's settings; the hook leaves every message to the
// dialog, so the dialog looks and behaves as the system makes it, with one exception: the
// dialog joins a typed name into path buffers of its own of MAX_PATH characters without
// checking the length, and a longer name brings the whole process down under Wine. A name
// that long could never fit the file buffer either, so the field stops taking text there.
UINT_PTR CALLBACK LimitTheTypedName(HWND hook, UINT message, WPARAM, LPARAM)
{
    if (message == WM_INITDIALOG) SendDlgItemMessageA(GetParent(hook), edt1, EM_LIMITTEXT, MAX_PATH - 1, 0);
    return 0;
}

// The dialog converts the chosen path into the code page for the ANSI call and may report
// success although the text lost its terminating zero or its tail on the way, or had its
// unrepresentable characters replaced by '?'. Only a name that still leads to a file counts
// as confirmed; anything else would hand a different file to the commands.
bool NamesAFile(const char (&file)[MAX_PATH])
{
    return std::memchr(file, '\0', sizeof file) && file[0] &&
           GetFileAttributesA(file) != INVALID_FILE_ATTRIBUTES;
}

const char* TextOrNone(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

}  // namespace

DWORD CommonDialog::Flags() const
{
    DWORD flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_ENABLESIZING | OFN_ENABLEHOOK;
    if (promptToCreate_) flags |= OFN_CREATEPROMPT;
    if (fileMustExist_) flags |= OFN_FILEMUSTEXIST;
    if (promptToOverwrite_) flags |= OFN_OVERWRITEPROMPT;
    if (pathMustExist_) flags |= OFN_PATHMUSTEXIST;
    if (keepCurrentDirectory_) flags |= OFN_NOCHANGEDIR;
    return flags;
}

bool CommonDialog::Open(HWND owner)
{
    char file[MAX_PATH] = {};
    fileName_.copy(file, sizeof file - 1);
    char fileTitle[64] = {};

    OPENFILENAMEA dialog = {};
    dialog.lStructSize = kOpenFileNameSize;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = TextOrNone(filter_);
    dialog.nFilterIndex = initialFilter_;
    dialog.lpstrFile = file;
    dialog.nMaxFile = sizeof file;
    dialog.lpstrFileTitle = fileTitle;
    dialog.nMaxFileTitle = sizeof fileTitle;
    dialog.lpstrInitialDir = TextOrNone(initialDirectory_);
    dialog.lpstrTitle = TextOrNone(title_);
    dialog.Flags = Flags();
    dialog.lpstrDefExt = TextOrNone(defaultExtension_);
    dialog.lpfnHook = LimitTheTypedName;

    bool confirmed;
    {
        OwnerModality modality(owner);
        confirmed = GetOpenFileNameA(&dialog);
    }
    if (!confirmed || !NamesAFile(file)) return false;
    fileName_ = file;
    return true;
}

CommonDialog& PictureDialog()
{
    static CommonDialog dialog;
    return dialog;
}

// After every dialog, confirmed or not, the box shows the name the control remembers.
void OnPictureButton()
{
    PictureDialog().Open(MainWindowHandle());
    WriteControlProperty(编辑框1, kContentProperty, PictureDialog().FileName());
}
